#include "Files.h"

#include "DeviceFailure.h"
#include "FileErrorText.h"

namespace zornalit {

bool writeAllTo(QIODevice& out, const QByteArray& bytes, QString* why)
{
    if (out.write(bytes) == bytes.size())
        return true;
    if (why)
        *why = writeFailureReason(out);
    return false;
}

bool copyAllTo(QIODevice& source, const QString& sourcePath, QIODevice& out, QString* why,
    const std::function<QString(qint64 copied)>& stopAt)
{
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 got = source.read(chunk.data(), chunk.size());
        if (got < 0)
            return fail(why, readFailure(sourcePath, readFailureReason(source)));
        if (got == 0)
            return true;
        copied += got;
        if (stopAt) {
            if (const QString refusal = stopAt(copied); !refusal.isEmpty())
                return fail(why, refusal);
        }
        if (out.write(chunk.constData(), got) != got)
            return fail(why, writeFailureReason(out));
    }
}

bool Files::replaceContents(const QString& path, const QByteArray& bytes, QString* why)
{
    return replaceContents(
        path, [&bytes](QIODevice& out, QString* reason) { return writeAllTo(out, bytes, reason); }, why);
}

bool Files::copyReplacing(const QString& from, const QString& to, const SizeCheck& sizeCheck, QString* why)
{
    const std::unique_ptr<QIODevice> source = openForReading(from, why);
    if (!source)
        return false;
    const auto refusal = [&from](const QString& problem) {
        return QStringLiteral("Не удалось скопировать файл %1: %2").arg(quotedPath(from), problem);
    };
    if (const QString problem = sizeCheck(source->size()); !problem.isEmpty())
        return fail(why, refusal(problem));
    const auto copy = [&](QIODevice& out, QString* reason) {
        return copyAllTo(*source, from, out, reason, [&](qint64 copied) {
            const QString problem = sizeCheck(copied);
            return problem.isEmpty() ? problem : refusal(problem);
        });
    };
    return replaceCopy(to, copy, why);
}

} // namespace zornalit
