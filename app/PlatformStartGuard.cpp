#include "PlatformStartGuard.h"

#include <QList>

#include <cstdio>
#include <cstdlib>

namespace zornalit {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    QByteArray function;
    QByteArray category;
    int line;
    QString text;
};

// Only one guard exists at a time, around the toolkit's start.
QList<HeldMessage>* heldMessages = nullptr;

} // namespace

PlatformStartGuard::PlatformStartGuard()
{
    heldMessages = new QList<HeldMessage>;
    m_previous = qInstallMessageHandler(&PlatformStartGuard::hold);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(m_previous);
    const QList<HeldMessage> held = std::move(*heldMessages);
    delete heldMessages;
    heldMessages = nullptr;
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                         message.category.constData());
        if (m_previous)
            m_previous(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
}

QString PlatformStartGuard::failureLine()
{
    const QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY"));
    return QStringLiteral("Зорналит: не удалось подключиться к графическому дисплею «%1» — окно программы открыть негде.")
        .arg(display);
}

void PlatformStartGuard::hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // The toolkit is about to abort: say it in one line and end here.
        std::fprintf(stderr, "%s\n", failureLine().toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (heldMessages) {
        heldMessages->append({type, QByteArray(context.file), QByteArray(context.function),
                              QByteArray(context.category), context.line, text});
    }
}

} // namespace zornalit
