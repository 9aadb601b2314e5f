#include "app/ProgramLeftovers.h"
#include "lookup/FaultFiles.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace zornalit {
namespace {

// The names the Windows uninstaller deletes from the install folder by
// name, as its script writes them, sorted.
QStringList uninstallerDeletedNames()
{
    QFile script(QStringLiteral(ZORNALIT_SOURCE_DIR "/tools/windows/installer/zornalit.nsi"));
    if (!script.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(script.readAll());
    const qsizetype start = text.indexOf(QLatin1String("Section \"Uninstall\""));
    const qsizetype end = text.indexOf(QLatin1String("SectionEnd"), start);
    if (start < 0 || end < 0)
        return {};
    // Names given through a define (${FILE_LIST}, ${UNINSTALLER}) are the
    // installer's own files, not the program's.
    static const QRegularExpression deleted(
        QStringLiteral(R"re(^\s*Delete "\$INSTDIR\\([^$"]+)")re"), QRegularExpression::MultilineOption);
    QStringList names;
    for (const QRegularExpressionMatch& match : deleted.globalMatch(text.mid(start, end - start)))
        names << match.captured(1);
    names.sort();
    return names;
}

TEST(UninstallerLeftovers, TheUninstallerRemovesTheReportAndExactlyTheLeftoversTheProgramCleansUp)
{
    QStringList expected = programLeftoverPatterns() << faultReportFileName;
    expected.sort();
    EXPECT_EQ(uninstallerDeletedNames(), expected);
}

} // namespace
} // namespace zornalit
