#include "FakePlatform.h"

#include <QBuffer>

namespace zornalit::testing {

void FakeMessageBox::show(const QString& prompt, MessageStyle style, const QString& title)
{
    m_journal << QStringLiteral("message %1: %2 | %3").arg(static_cast<int>(style)).arg(title, prompt);
    shown.append({prompt, style, title});
    if (whileShown)
        whileShown(shown.last());
}

LaunchOutcome FakeTextViewer::open(const QString& path)
{
    if (failing) {
        m_journal << QStringLiteral("viewer failed %1").arg(path);
        return {false, tried};
    }
    m_journal << QStringLiteral("viewer %1").arg(path);
    opened << path;
    return {true, tried};
}

std::unique_ptr<QIODevice> FakeFiles::openForReading(const QString& path, QString* why)
{
    m_journal << QStringLiteral("read %1").arg(path);
    if (unreadable.contains(path) || !contents.contains(path)) {
        if (why)
            *why = QStringLiteral("Не удалось прочитать файл «%1»").arg(path);
        return nullptr;
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(contents.value(path));
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

bool FakeFiles::replaceContents(const QString& path, const ContentWriter& write, QString* why)
{
    m_journal << QStringLiteral("replace %1").arg(path);
    if (unwritable.contains(path)) {
        if (why)
            *why = QStringLiteral("Не удалось записать файл «%1»").arg(path);
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer, why))
        return false;
    contents.insert(path, buffer.data());
    return true;
}

bool FakeFiles::remove(const QString& path, QString* why)
{
    m_journal << QStringLiteral("remove %1").arg(path);
    if (unwritable.contains(path) || !contents.contains(path)) {
        if (why)
            *why = QStringLiteral("Не удалось удалить файл «%1»").arg(path);
        return false;
    }
    contents.remove(path);
    return true;
}

bool FakeFiles::exists(const QString& path) const
{
    return contents.contains(path);
}

QImage FakeBitmaps::loadUnreported(const QString& path, QString& problem)
{
    m_journal << QStringLiteral("bitmap %1").arg(path);
    loaded << path;
    const QImage image = images.value(path);
    problem = image.isNull() ? QStringLiteral("файл не найден") : QString();
    return image;
}

void FakeBitmaps::report(const QString& path, const QString&)
{
    reported << path;
}

void FakeClipboard::clear()
{
    m_journal << QStringLiteral("clipboard clear");
    holdsImage = false;
    holdsText = false;
    text.clear();
}

void FakeClipboard::setPlainText(const QString& newText)
{
    m_journal << QStringLiteral("clipboard text %1").arg(newText);
    holdsText = true;
    text = newText;
}

bool FakeSoundDevice::open(const QString& path, QString* why)
{
    m_journal << QStringLiteral("sound open %1").arg(path);
    if (whenOpening)
        whenOpening(path);
    if (undecodable.contains(path) || !m_fileExists(path)) {
        if (why)
            *why = QStringLiteral("Не удалось открыть звуковой файл «%1»").arg(path);
        return false;
    }
    m_open = path;
    return true;
}

bool FakeSoundDevice::play(QString* why)
{
    m_journal << QStringLiteral("sound play");
    if (m_open.isEmpty()) {
        if (why)
            *why = QStringLiteral("Звуковой файл не открыт");
        return false;
    }
    played << m_open;
    return true;
}

void FakeSoundDevice::close()
{
    m_journal << QStringLiteral("sound close");
    m_open.clear();
}

FakePlatform::FakePlatform() = default;

Platform FakePlatform::platform()
{
    return Platform{folder, messages, viewer, files, bitmaps, clipboard, sound};
}

} // namespace zornalit::testing
