#include "FreeTextClick.h"

#include "platform/SoundFileBudget.h"

#include <QStringList>

namespace zornalit {

namespace {

const QString jokeTrigger = QStringLiteral("5555555555555555");
const QString creditTrigger = QStringLiteral("Сыщик?");
const QString creditLine = QStringLiteral("Программа создана командой разработчиков «Зорналит» в 2026 году.");

const QString jokeTitle = QStringLiteral("Фронтальная проверка :-(");
const QString jokePrompt = QStringLiteral(
    "Chtirliz, und wo Sie bewahren die Instruktion N 9?! Wo die Instruktionen N 10 und N 2?!! "
    "Chtirliz, und warum bei Ihnen auf den Stirnen ist die Inventarzimmer nicht bezeichnet?!!!");

struct SoundCopy {
    const char* stored;
    const char* played;
};

constexpr SoundCopy sounds[] = {
    {"statsa.dll", "Ostatsa.wav"},
    {"noven.dll", "Mgnoven.wav"},
};

void reportFailure(const Platform& platform, const QString& why)
{
    platform.messages.show(why, MessageStyle::Error, errorTitle);
}

// Copies the stored sounds to their playing names, in order; stops at the
// first that cannot be copied. Each copy made goes into copies.
bool copySounds(const Platform& platform, QStringList* copies, QString* why)
{
    for (const SoundCopy& sound : sounds) {
        const QString copy = platform.folder.fileNamed(QString::fromLatin1(sound.played));
        const QString stored = platform.folder.fileNamed(QString::fromLatin1(sound.stored));
        if (!platform.files.copyReplacing(stored, copy, soundFileSizeProblem, why))
            return false;
        *copies << copy;
    }
    return true;
}

// Opens, plays and closes each copy in turn; stops at the first failure
// with the device closed.
bool playCopies(SoundCommands& control, const QStringList& copies, QString* why)
{
    for (const QString& copy : copies) {
        control.setFileName(copy);
        if (!control.setCommand(QStringLiteral("Open"), why) || !control.setCommand(QStringLiteral("Sound"), why)
            || !control.setCommand(QStringLiteral("Close"), why)) {
            control.setCommand(QStringLiteral("Close"), nullptr);
            return false;
        }
    }
    return true;
}

// Removes every copy, trying each; why the first one that stayed did, or
// nothing.
QString removeCopies(const Platform& platform, const QStringList& copies)
{
    QString firstFailure;
    for (const QString& copy : copies) {
        QString why;
        if (!platform.files.remove(copy, &why) && firstFailure.isEmpty())
            firstFailure = why;
    }
    return firstFailure;
}

// Copies the stored sounds, plays them and removes the copies. Stops at the
// first failure and tells only that one. The copies are gone before any
// message shows: a message may stay up for long, and a logout meanwhile
// would end the program with the copies left behind for good.
void playJokeSounds(const Platform& platform, SoundCommands& control)
{
    QStringList copies;
    QString why;
    const bool played = copySounds(platform, &copies, &why) && playCopies(control, copies, &why);
    const QString removal = removeCopies(platform, copies);
    if (!played)
        reportFailure(platform, why);
    else if (!removal.isEmpty())
        reportFailure(platform, removal);
}

} // namespace

QString triggerHint()
{
    return QStringLiteral("16 пятёрок & click => ;-)");
}

QStringList jokeSoundCopies()
{
    QStringList names;
    for (const SoundCopy& sound : sounds)
        names << QString::fromLatin1(sound.played);
    return names;
}

QString clickFreeText(const Platform& platform, SoundCommands& control, const QString& text)
{
    if (text == jokeTrigger) {
        platform.messages.show(jokePrompt, MessageStyle::Plain, jokeTitle);
        playJokeSounds(platform, control);
    }
    if (text == creditTrigger)
        return creditLine;
    return text;
}

} // namespace zornalit
