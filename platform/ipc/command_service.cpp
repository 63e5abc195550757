#include "platform/ipc/command_service.h"

#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusMessage>
#include <QtDBus/QDBusVirtualObject>

#include <memory>
#include <utility>

namespace vandrel::ipc {
namespace {

// Handled by hand rather than through a generated adaptor: two methods do
// not justify a meta-object compiler step in the build.
class CommandObject final : public QDBusVirtualObject {
public:
    explicit CommandObject(CommandHandlers handlers) : m_handlers(std::move(handlers)) {}

    QString introspect(const QString& /*path*/) const override {
        return QStringLiteral(
                   "<interface name=\"%1\">"
                   "<method name=\"PostCommand\"><arg name=\"id\" type=\"u\" direction=\"in\"/>"
                   "</method>"
                   "<method name=\"GetPaneText\"><arg name=\"pane\" type=\"u\" direction=\"in\"/>"
                   "<arg name=\"text\" type=\"s\" direction=\"out\"/></method>"
                   "</interface>")
            .arg(QLatin1String(kInterfaceName));
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QLatin1String(kInterfaceName) ||
            message.signature() != QLatin1String("u")) {
            return false;
        }
        const UINT argument = message.arguments().at(0).toUInt();
        if (message.member() == QLatin1String("PostCommand")) {
            connection.send(m_handlers.postCommand(argument)
                                ? message.createReply()
                                : message.createErrorReply(
                                      QStringLiteral("org.korvanth.Vandrel.Error.UnknownCommand"),
                                      QStringLiteral("No command has id %1").arg(argument)));
            return true;
        }
        if (message.member() == QLatin1String("GetPaneText")) {
            const auto text = m_handlers.paneText(argument);
            connection.send(
                text ? message.createReply(QString::fromStdString(*text))
                     : message.createErrorReply(
                           QStringLiteral("org.korvanth.Vandrel.Error.NoSuchPane"),
                           QStringLiteral("The status bar has no pane %1").arg(argument)));
            return true;
        }
        return false;
    }

private:
    CommandHandlers m_handlers;
};

std::unique_ptr<CommandObject> g_object;

}  // namespace

bool StartCommandService(CommandHandlers handlers) {
    StopCommandService();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    auto object = std::make_unique<CommandObject>(std::move(handlers));
    if (!bus.registerVirtualObject(QLatin1String(kObjectPath), object.get())) {
        return false;
    }
    if (!bus.registerService(QLatin1String(kServiceName))) {
        bus.unregisterObject(QLatin1String(kObjectPath));
        return false;
    }
    g_object = std::move(object);
    return true;
}

void StopCommandService() {
    if (!g_object) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(QLatin1String(kServiceName));
    bus.unregisterObject(QLatin1String(kObjectPath));
    g_object.reset();
}

}  // namespace vandrel::ipc
