// The program's own highlighter plug-in behind a view: the entry point's
// signature and the class numbers meet the styles.
#include "view_fixture.h"
#include <Qsci/qsciscintillabase.h>

namespace codarium::viewer::test {
namespace {

using RealHighlighter = ViewTest;

TEST_F(RealHighlighter, KeywordsCommentsAndStringsTakeTheirStyles) {
    constexpr int View = 4;
    ASSERT_NE(createCodeView(View, TestWindow, 0, 0, 400, 300, PROGRAM_HIGHLIGHTER_PATH), 0);
    const std::string code = "Procedure A() ; note\r\n  Debug \"x\"\r\nEndProcedure\r\n";
    setText(View, code);
    send(View, QsciScintillaBase::SCI_COLOURISE, 0, -1);

    ASSERT_EQ(send(View, QsciScintillaBase::SCI_GETENDSTYLED),
              static_cast<std::intptr_t>(code.size()));
    EXPECT_EQ(stylesOf(View, 0, 9), "111111111");            // Procedure
    EXPECT_EQ(stylesOf(View, 14, 20), "222222");             // ; note
    EXPECT_EQ(stylesOf(View, 24, 29), "11111");              // Debug
    EXPECT_EQ(stylesOf(View, 30, 33), "444");                // "x"
    EXPECT_EQ(stylesOf(View, 35, 47), std::string(12, '1')); // EndProcedure
}

} // namespace
} // namespace codarium::viewer::test
