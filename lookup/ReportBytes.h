#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace zornalit {

// The report file's bytes for a block (header line first, then its body
// lines): each line exactly as read, each followed by CR LF.
QByteArray reportBytes(const QByteArrayList& block);

} // namespace zornalit
