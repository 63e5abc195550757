// The open command: the file the user picks is read into the one document,
// whose frame and view stay; a file that cannot be opened is reported and
// changes nothing; a cancelled dialog does nothing.
#include <cstdio>
#include <fstream>

#include "platform/afx/doc_template.h"
#include "platform/user/hooks.h"
#include "res/resource.h"
#include "tests/afx/framework_fixture.h"

using vandrel::testing::FrameworkTest;
using vandrel::testing::HandlerLog;

namespace {

CDocument* Document(CFrameWnd* frame) {
    return frame->GetActiveDocument();
}

}  // namespace

TEST_F(FrameworkTest, TheChosenFileIsReadIntoTheDocument) {
    const std::string path = ::testing::TempDir() + "vandrel_open_test.bin";
    std::ofstream(path) << "contents";
    CDocument* before = Document(Frame());
    CFrameWnd* frameBefore = Frame();
    vandrel::hooks::SetFileDialogAnswerer([&] { return std::optional<std::string>(path); });
    m_app.OnFileOpen();
    vandrel::hooks::SetFileDialogAnswerer(nullptr);
    EXPECT_EQ(HandlerLog(), std::vector<std::string>{"load 8 bytes"});
    EXPECT_EQ(Frame(), frameBefore);
    EXPECT_EQ(Document(Frame()), before);
    EXPECT_EQ(std::string(before->GetPathName()), path);
    std::remove(path.c_str());
}

TEST_F(FrameworkTest, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
    std::vector<vandrel::hooks::MessageBoxRequest> boxes;
    vandrel::hooks::SetMessageBoxAnswerer([&](const vandrel::hooks::MessageBoxRequest& request) {
        boxes.push_back(request);
        return IDOK;
    });
    vandrel::hooks::SetFileDialogAnswerer(
        [] { return std::optional<std::string>("/nonexistent/vandrel.doc"); });
    m_app.OnFileOpen();
    vandrel::hooks::SetFileDialogAnswerer([] { return std::optional<std::string>(); });
    m_app.OnFileOpen();  // cancelled
    vandrel::hooks::SetFileDialogAnswerer(nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Failed to open document.");
    EXPECT_EQ(boxes[0].type, MB_ICONEXCLAMATION);
    EXPECT_TRUE(HandlerLog().empty());
    EXPECT_TRUE(Document(Frame())->GetPathName().IsEmpty());
    ASSERT_NE(Frame(), nullptr);
}

TEST_F(FrameworkTest, TheTemplateStringHasSevenFields) {
    using vandrel::testing::LoggingDoc;
    using vandrel::testing::LoggingFrame;
    using vandrel::testing::LoggingView;
    CSingleDocTemplate docTemplate(IDR_MAINFRAME, RUNTIME_CLASS(LoggingDoc),
                                   RUNTIME_CLASS(LoggingFrame), RUNTIME_CLASS(LoggingView));
    const std::pair<CDocTemplate::DocStringIndex, const char*> fields[] = {
        {CDocTemplate::windowTitle, "Vandrel 95"},
        {CDocTemplate::docName, "Vandrel"},
        {CDocTemplate::fileNewName, "Vandrel Document"},
        {CDocTemplate::filterName, ""},
        {CDocTemplate::filterExt, ""},
        {CDocTemplate::regFileTypeId, "Vandrel.Document"},
        {CDocTemplate::regFileTypeName, "Vandrel Document"},
    };
    for (const auto& [index, text] : fields) {
        CString field;
        EXPECT_EQ(docTemplate.GetDocString(field, index), *text != '\0' ? TRUE : FALSE);
        EXPECT_EQ(std::string(field), text) << index;
    }
}
