#!/usr/bin/env bash
# The Windows syntax check passes sound Windows-only code and fails on an
# error that only a Windows build would meet.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat >"$work/sound.cpp" <<'CPP'
#include <QProcess>
#include <QString>
#ifndef Q_OS_WIN
#error the cross-compiler did not take the Windows side of the Qt headers
#endif
void start(const QString& path)
{
    std::wstring line = (QStringLiteral("notepad.exe ") + path).toStdWString();
    QProcess process;
    process.setCreateProcessArgumentsModifier(
        [&line](QProcess::CreateProcessArguments* arguments) { arguments->arguments = line.data(); });
}
CPP

# The same, with a mistake in the Windows branch only.
sed 's/line.data()/line/' "$work/sound.cpp" >"$work/broken.cpp"

"$root/tools/windows-syntax-check.sh" "$work/sound.cpp" \
    || { echo "FAIL: sound Windows code was refused" >&2; exit 1; }
if "$root/tools/windows-syntax-check.sh" "$work/broken.cpp" 2>"$work/errors"; then
    echo "FAIL: an error in Windows-only code went unnoticed" >&2
    exit 1
fi
grep -q "broken.cpp" "$work/errors" || { echo "FAIL: the error report does not name the file:" >&2; cat "$work/errors" >&2; exit 1; }
echo "windows syntax check: ok"
