#include "platform/associated_editor.h"
#include "platform/desktop_entry.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

using namespace codarium::platform;
namespace fs = std::filesystem;
using Args = std::vector<std::string>;

namespace {

void write(const fs::path& path, std::string_view text,
           fs::perms perms = fs::perms::owner_read | fs::perms::owner_write) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, perms);
}

constexpr fs::perms Executable = fs::perms::owner_all;

// Sets environment variables for one test and restores them afterwards.
class EnvironmentOverride {
public:
    void set(const char* name, const std::string& value) {
        remember(name);
        ::setenv(name, value.c_str(), 1);
    }
    void unset(const char* name) {
        remember(name);
        ::unsetenv(name);
    }
    ~EnvironmentOverride() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
    }

private:
    void remember(const char* name) {
        if (saved_.count(name) == 0) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace

TEST(EditorFromCommandLine, KeepsTheCharacterAfterExeAndDropsQuotes) {
    const struct {
        const char* line;
        const char* editor;
    } cases[] = {
        {R"("C:\PureBasic\PureBasic.exe" "%1")", R"(C:\PureBasic\PureBasic.exe)"},
        // Unquoted: the blank after the name stays at the end.
        {R"(C:\PureBasic\PureBasic.exe %1)", R"(C:\PureBasic\PureBasic.exe )"},
        {R"("C:\Pure Basic\PUREBASIC.EXE" /x "%1")", R"(C:\Pure Basic\PUREBASIC.EXE)"},
        {R"(C:\PureBasic\PureBasic.exe)", R"(C:\PureBasic\PureBasic.exe)"},
        // Without ".exe" the whole line is the answer, quotes and all.
        {R"("C:\PureBasic\PureBasic" "%1")", R"("C:\PureBasic\PureBasic" "%1")"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editorFromCommandLine(c.line), c.editor) << c.line;
    }
}

TEST(DesktopEntry, ExecIsUnquotedAndFieldCodesAreDropped) {
    const struct {
        const char* exec;
        Args args;
    } cases[] = {
        {R"("/opt/PB Editor/purebasic" %f)", {"/opt/PB Editor/purebasic"}},
        {"purebasic --file=%f %U", {"purebasic", "--file="}},
        {R"("/a \"b\" \\ \$x \`y" %%z "")", {R"(/a "b" \ $x `y)", "%z", ""}},
        {"  /bin/ed\t-s  ", {"/bin/ed", "-s"}},
        {"%i %c %k", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(execArguments(c.exec), c.args) << c.exec;
    }
    // The key file's own escapes come first; other groups and localised
    // keys do not count.
    EXPECT_EQ(desktopEntryExec(
                  "[Desktop Action new]\nExec=/wrong\n"
                  "[Desktop Entry]\n# c\nExec[de]=/falsch\nExec = \"/a\\sb\" \\\\$HOME %f\n"),
              "\"/a b\" \\$HOME %f");
    EXPECT_EQ(desktopEntryExec("[Desktop Entry]\nName=x\n"), "");
}

TEST(DesktopEntry, AssociationsAreListedInOrderForTheirGroupOnly) {
    const std::string list = "[Added Associations]\ntext/x-a=added.desktop;\n"
                             "[Default Applications]\r\ntext/x-b=b.desktop\r\n"
                             "text/x-a = first.desktop; ;second.desktop;\r\n";
    EXPECT_EQ(associatedDesktopIds(list, "Default Applications", "text/x-a"),
              (Args{"first.desktop", "second.desktop"}));
    EXPECT_EQ(associatedDesktopIds(list, "Added Associations", "text/x-a"), Args{"added.desktop"});
    EXPECT_TRUE(associatedDesktopIds(list, "Default Applications", "text/x-c").empty());
    // A piece of blanks and CRs names no file, even when a blank comes first.
    EXPECT_EQ(associatedDesktopIds("[G]\nt=a.desktop; \r\r ; \t\r;\r \r;b.desktop \r\n", "G", "t"),
              (Args{"a.desktop", "b.desktop"}));
}

TEST(FindAssociatedEditor, FollowsMimeAppsThenTheCacheThenTheInstallationThenPath) {
    QTemporaryDir scratch;
    const fs::path root = scratch.path().toStdString();
    EnvironmentOverride env;
    env.set("HOME", (root / "home").string());
    env.set("XDG_CONFIG_HOME", (root / "config").string());
    env.set("XDG_CONFIG_DIRS", (root / "sysconfig").string());
    env.set("XDG_DATA_HOME", (root / "data").string());
    env.set("XDG_DATA_DIRS", (root / "sysdata").string());
    env.set("XDG_CURRENT_DESKTOP", "Test:Other");
    env.set("PUREBASIC_HOME", (root / "pb home").string());
    env.set("PATH", (root / "bin").string());

    // The shared MIME database learns the type of *.pb from a package file.
    write(root / "data/mime/packages/codarium-test.xml",
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
          "  <mime-type type=\"text/x-purebasic\">\n"
          "    <sub-class-of type=\"text/plain\"/>\n"
          "    <glob pattern=\"*.pb\"/>\n"
          "  </mime-type>\n"
          "</mime-info>\n");
    const fs::path apps = root / "data/applications";
    const std::string editor = (root / "PB Editor/purebasic").string();
    write(editor, "#!/bin/sh\n", Executable);
    write(apps / "pb-editor.desktop",
          "[Desktop Entry]\nType=Application\nExec=\"" + editor + "\" --flag %f\n");
    write(apps / "desk-editor.desktop", "[Desktop Entry]\nExec=\"" + editor + "-desk\" %F\n");
    write(editor + "-desk", "#!/bin/sh\n", Executable);
    write(root / "config/test-mimeapps.list",
          "[Default Applications]\ntext/x-purebasic=desk-editor.desktop\n");
    write(root / "config/mimeapps.list",
          "[Default Applications]\ntext/x-purebasic=missing.desktop;pb-editor.desktop;\n"
          "[Removed Associations]\ntext/x-purebasic=removed-editor.desktop\n");
    write(root / "sysdata/applications/removed-editor.desktop",
          "[Desktop Entry]\nExec=\"" + editor + "-desk\"\n");
    write(root / "sysdata/applications/cache-editor.desktop", "[Desktop Entry]\nExec=cached %f\n");
    write(root / "sysdata/applications/mimeinfo.cache",
          "[MIME Cache]\ntext/x-purebasic=removed-editor.desktop;cache-editor.desktop;\n");
    write(root / "bin/cached", "#!/bin/sh\n", Executable);
    write(root / "pb home/compilers/purebasic", "#!/bin/sh\n", Executable);
    write(root / "bin/purebasic", "#!/bin/sh\n", Executable);

    // The desktop's own list comes before the general one.
    EXPECT_EQ(findAssociatedEditor("pb"), editor + "-desk");
    fs::remove(root / "config/test-mimeapps.list");
    // A listed ID without a file is passed over.
    EXPECT_EQ(findAssociatedEditor("pb"), editor);
    // An Exec that names no executable does not count, nor does an
    // application the user removed.
    fs::permissions(editor, fs::perms::owner_read);
    EXPECT_EQ(findAssociatedEditor("pb"), (root / "bin/cached").string());
    fs::remove(root / "sysdata/applications/mimeinfo.cache");
    EXPECT_EQ(findAssociatedEditor("pb"), (root / "pb home/compilers/purebasic").string());
    env.unset("PUREBASIC_HOME");
    EXPECT_EQ(findAssociatedEditor("pb"), (root / "bin/purebasic").string());
    env.set("PATH", (root / "nowhere").string());
    EXPECT_EQ(findAssociatedEditor("pb"), "");
}

TEST(FindAssociatedEditor, FoldersFollowTheFreedesktopOrder) {
    EnvironmentOverride env;
    env.set("HOME", "/h");
    env.unset("XDG_CONFIG_HOME");
    env.set("XDG_CONFIG_DIRS", "/c1:/c2");
    env.unset("XDG_DATA_HOME");
    env.unset("XDG_DATA_DIRS");
    env.set("XDG_CURRENT_DESKTOP", "KDE");
    const AssociationFolders f = associationFoldersFromEnvironment();
    EXPECT_EQ(f.mimeAppsLists,
              (Args{"/h/.config/kde-mimeapps.list", "/h/.config/mimeapps.list",
                    "/c1/kde-mimeapps.list", "/c1/mimeapps.list", "/c2/kde-mimeapps.list",
                    "/c2/mimeapps.list", "/h/.local/share/applications/kde-mimeapps.list",
                    "/h/.local/share/applications/mimeapps.list",
                    "/usr/local/share/applications/kde-mimeapps.list",
                    "/usr/local/share/applications/mimeapps.list",
                    "/usr/share/applications/kde-mimeapps.list",
                    "/usr/share/applications/mimeapps.list"}));
    EXPECT_EQ(f.applicationFolders,
              (Args{"/h/.local/share/applications", "/usr/local/share/applications",
                    "/usr/share/applications"}));
}
