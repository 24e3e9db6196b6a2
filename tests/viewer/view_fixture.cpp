#include "view_fixture.h"

#include <QDir>
#include <QFile>
#include <Qsci/qsciscintilla.h>
#include <vector>

// The application lives exactly as long as the tests run: Qt's own globals
// are gone by the time static objects are destroyed.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

namespace codarium::viewer::test {

void ViewTest::SetUp() {
    ASSERT_NE(QApplication::instance(), nullptr);
    home_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(home_->isValid());
    qputenv("HOME", home_->path().toLocal8Bit());
    ASSERT_TRUE(widgets::openWindow(TestWindow, 0, 0, 640, 480, "Test", widgets::DialogFlags));
}

void ViewTest::TearDown() {
    widgets::closeWindow(TestWindow); // frees the views with it
}

std::string ViewTest::path(const std::string& name) const {
    return QDir(home_->path()).filePath(QString::fromStdString(name)).toStdString();
}

std::string ViewTest::writeFile(const std::string& name, const std::string& bytes) {
    const std::string p = path(name);
    QFile file(QString::fromStdString(p));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return p;
}

std::string ViewTest::readFile(const std::string& p) {
    QFile file(QString::fromStdString(p));
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    return file.readAll().toStdString();
}

void ViewTest::writeEditorPrefs(const std::string& contents) {
    ASSERT_TRUE(QDir(home_->path()).mkpath(".purebasic"));
    writeFile(".purebasic/purebasic.prefs", contents);
}

std::intptr_t send(int view, unsigned int message, std::uintptr_t wParam, std::intptr_t lParam) {
    return widgets::sendScintilla(view, message, wParam, lParam);
}

std::string viewBytes(int view) {
    const auto length = send(view, QsciScintillaBase::SCI_GETLENGTH);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\x7f');
    send(view, QsciScintillaBase::SCI_GETTEXT, static_cast<std::uintptr_t>(length) + 1,
         reinterpret_cast<std::intptr_t>(buffer.data()));
    EXPECT_EQ(buffer[static_cast<std::size_t>(length)], '\0');
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

QString shownText(int view) {
    auto* editor = widgets::gadgetAs<QsciScintilla>(view);
    return editor == nullptr ? QString() : editor->text();
}

std::string styleFont(int view, int style) {
    char buffer[128] = {};
    send(view, QsciScintillaBase::SCI_STYLEGETFONT, static_cast<std::uintptr_t>(style),
         reinterpret_cast<std::intptr_t>(buffer));
    return buffer;
}

std::string stylesOf(int view, std::intptr_t from, std::intptr_t to) {
    std::string out;
    for (auto i = from; i < to; ++i) {
        const auto style =
            send(view, QsciScintillaBase::SCI_GETSTYLEAT, static_cast<std::uintptr_t>(i));
        out += static_cast<char>(style < 10 ? '0' + style : 'a' + style - 10);
    }
    return out;
}

} // namespace codarium::viewer::test
