#pragma once

#include "platform/DeviceFailure.h"
#include "platform/FileCalls.h"

#include <QByteArray>
#include <QIODevice>

namespace zornalit {

// A file opened through FileCalls, seen as an unbuffered QIODevice. Reading
// goes straight to the file; writing gathers bytes and hands them on in
// large steps. Every
// failure is kept: errorString() gives its Russian reason, error() its kind,
// and a device that failed once refuses all further writes.
class HandleDevice : public QIODevice, public KeepsFileError {
public:
    HandleDevice(FileCalls& calls, int handle, OpenMode mode);
    ~HandleDevice() override;

    bool isSequential() const override { return false; }
    qint64 size() const override;
    bool seek(qint64 position) override;
    void close() override;

    // Writes out what is gathered. False once any write has failed.
    bool flushGathered();
    // Writes out and cuts the file off at the current position, for a file
    // written over in place.
    bool endHere();
    // Writes out and waits until everything is on the disk.
    bool syncToDisk();
    // Writes out, then closes the handle; false if either failed or any
    // earlier write had. The device is closed either way.
    bool finish();

    const FileError& error() const override { return m_error; }
    bool failed() const { return m_error.kind != FileError::Kind::None; }
    // Whether the file was touched: bytes handed over for writing, or cut.
    bool wroteAny() const { return m_wroteAny; }
    int handle() const { return m_handle; }

protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void keep(const FileError& error);
    bool closeHandle();

    FileCalls& m_calls;
    int m_handle;
    QByteArray m_gathered;
    FileError m_error;
    bool m_wroteAny = false;
};

} // namespace zornalit
