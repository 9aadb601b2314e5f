#include "HeldMessages.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QThread>

#include <cstdio>

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

struct ActiveHold {
    QtMessageHandler previous = nullptr;
    Qt::HANDLE thread = nullptr;
    std::function<void()> onFatal;
    QList<HeldMessage> messages;
};

ActiveHold* active = nullptr;

void passOn(QtMessageHandler handler, QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // Qt hands out its default handler as the one before, so there always
    // is one; the plain output is only a last resort.
    if (handler)
        handler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

HeldMessages::HeldMessages(std::function<void()> onFatal)
{
    Q_ASSERT(!active);
    active = new ActiveHold{nullptr, QThread::currentThreadId(), std::move(onFatal), {}};
    active->previous = qInstallMessageHandler(&HeldMessages::hold);
}

HeldMessages::~HeldMessages()
{
    qInstallMessageHandler(active->previous);
    const ActiveHold finished = std::move(*active);
    delete active;
    active = nullptr;
    for (const HeldMessage& message : finished.messages) {
        const QMessageLogContext context(
            message.file.constData(), message.line, message.function.constData(), message.category.constData());
        passOn(finished.previous, message.type, context, message.text);
    }
}

void HeldMessages::drop()
{
    active->messages.clear();
}

void HeldMessages::hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg && active->onFatal)
        active->onFatal();
    if (type != QtFatalMsg && QThread::currentThreadId() == active->thread) {
        active->messages.append({type, QByteArray(context.file), QByteArray(context.function),
            QByteArray(context.category), context.line, text});
        return;
    }
    passOn(active->previous, type, context, text);
}

} // namespace zornalit
