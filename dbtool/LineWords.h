#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace zornalit::dbtool {

// Which of the searched words one line holds, found as the line is read in
// pieces. Each piece is searched together with the last characters of the
// line before it, one fewer than the longest word has, so that a word that
// runs over from one piece into the next is found; nothing more of the line
// is held, however long it is.
class LineWords {
public:
    // The words in the form in which they are compared (foldedForSearch).
    explicit LineWords(const QStringList& foldedWords);

    // Reads the next piece of the line, Windows-1251 bytes.
    void read(QByteArrayView piece);

    // For each word, whether the line read so far holds it.
    const QList<bool>& held() const { return m_held; }
    bool holdsAny() const;

    // Forgets the line, ready for the next one.
    void startLine();

private:
    QStringList m_words;
    qsizetype m_overlap = 0;
    QString m_tail; // the last m_overlap characters read, at most
    QList<bool> m_held;
};

} // namespace zornalit::dbtool
