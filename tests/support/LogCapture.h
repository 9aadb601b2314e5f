#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace zornalit::testing {

// Collects what is logged while it lives.
class LogCapture {
public:
    LogCapture() { s_lines.clear(), m_previous = qInstallMessageHandler(&LogCapture::record); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    const QStringList& lines() const { return s_lines; }

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& text) { s_lines << text; }
    static inline QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};

} // namespace zornalit::testing
