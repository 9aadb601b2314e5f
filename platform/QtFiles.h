#pragma once

#include "Files.h"

namespace zornalit {

// Files on the local disk. Writes go to a temporary file in the target's
// folder that is renamed over the target only when complete.
class QtFiles : public Files {
public:
    std::unique_ptr<QIODevice> openForReading(const QString& path, QString* why) override;
    bool replaceContents(const QString& path, const QByteArray& bytes, QString* why) override;
    bool replaceContents(const QString& path, const ContentWriter& write, QString* why) override;
    bool copyReplacing(const QString& from, const QString& to, QString* why) override;
    bool remove(const QString& path, QString* why) override;
    bool exists(const QString& path) const override;
};

} // namespace zornalit
