#include "platform/ipc/command_service.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include <vector>

namespace {

// Runs `gdbus call` against our service, pumping events while it waits, as
// the program's own loop does. Returns gdbus's exit code and its output.
std::pair<int, std::string> CallWithGdbus(const char* method, UINT argument) {
    QProcess gdbus;
    gdbus.setProcessChannelMode(QProcess::MergedChannels);
    gdbus.start("gdbus", {"call", "--session", "--dest", vandrel::ipc::kServiceName,
                          "--object-path", vandrel::ipc::kObjectPath, "--method",
                          QString("%1.%2").arg(vandrel::ipc::kInterfaceName, method),
                          QString::number(argument)});
    while (!gdbus.waitForFinished(10)) {
        if (gdbus.state() == QProcess::NotRunning) {
            break;
        }
        QCoreApplication::processEvents();
    }
    return {gdbus.exitCode(), gdbus.readAll().toStdString()};
}

class CommandServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        int argc = 1;
        static char name[] = "command_service_test";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            m_app = std::make_unique<QCoreApplication>(argc, argv);
        }
        ASSERT_TRUE(vandrel::ipc::StartCommandService(
            {[this](UINT id) {
                 if (id < 32768) {
                     return false;
                 }
                 m_posted.push_back(id);
                 return true;
             },
             [](UINT pane) -> std::optional<std::string> {
                 if (pane > 1) {
                     return std::nullopt;
                 }
                 return pane == 0 ? "Rendered 100 frames in 1 second" : "Fps = 60";
             }}));
    }
    void TearDown() override { vandrel::ipc::StopCommandService(); }

    std::unique_ptr<QCoreApplication> m_app;
    std::vector<UINT> m_posted;
};

TEST_F(CommandServiceTest, PostsDefinedCommandsAndRefusesOthers) {
    const auto [okStatus, okOutput] = CallWithGdbus("PostCommand", 32820);
    EXPECT_EQ(okStatus, 0) << okOutput;
    EXPECT_EQ(m_posted, std::vector<UINT>{32820});

    const auto [badStatus, badOutput] = CallWithGdbus("PostCommand", 5);
    EXPECT_NE(badStatus, 0);
    EXPECT_NE(badOutput.find("org.korvanth.Vandrel.Error.UnknownCommand"), std::string::npos)
        << badOutput;
    EXPECT_EQ(m_posted.size(), 1u);
}

TEST_F(CommandServiceTest, ReadsPaneTexts) {
    const auto [status, output] = CallWithGdbus("GetPaneText", 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(output, "('Rendered 100 frames in 1 second',)\n");
    const auto [missingStatus, missingOutput] = CallWithGdbus("GetPaneText", 7);
    EXPECT_NE(missingStatus, 0);
    EXPECT_NE(missingOutput.find("NoSuchPane"), std::string::npos) << missingOutput;
}

TEST(CommandServiceWithoutBusTest, NoSessionBusMeansNoServiceAndNothingElse) {
    EXPECT_FALSE(vandrel::ipc::StartCommandService(
        {[](UINT) { return true; }, [](UINT) { return std::string(); }}));
    vandrel::ipc::StopCommandService();
}

}  // namespace
