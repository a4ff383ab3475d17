#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "rtf_test_support.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace rtftest;

// LibreOffice opens what we save with the same text and formatting. Runs when soffice is
// installed (package libreoffice-writer-nogui) and skips otherwise.
class TstRtfInterop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void libreOfficeText_isOurText();
    void libreOfficeResave_keepsOurFormats();

private:
    void addColoursAndParagraphFormats();
    bool convert(const QString &format, const QString &outDir);

    QTemporaryDir m_dir;
    QString m_soffice;
    QString m_saved;
    QTextDocument m_doc;
};

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

void TstRtfInterop::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed");
    QVERIFY(m_dir.isValid());
    QFont font(s("宋体"));
    font.setPointSizeF(10.5);
    m_doc.setDefaultFont(font);
    build(Doc{{Qt::AlignHCenter,
               {{s("                              ==========初步发明信息及简要说明=========="),
                 Bold, s("宋体"), 16}}},
              {Qt::AlignLeft,
               {{s("问题提示：《"), Plain, s("宋体"), 10.5},
                {s("能否使泵变轻"), Italic, s("宋体"), 12},
                {s("》2026-12-07 21:30"), Underline, s("宋体"), 10.5}}},
              {Qt::AlignLeft, {}},
              {Qt::AlignRight,
               {{QStringLiteral("ASCII {braces} \\ back;slash"), Bold | Italic,
                 QStringLiteral("DejaVu Sans"), 9}}},
              {Qt::AlignJustify, {{s("非GBK字符：𠀀 😀 €"), Plain, s("宋体"), 10.5}}}},
          &m_doc);
    addColoursAndParagraphFormats();
    m_saved = m_dir.filePath(QStringLiteral("ours.rtf"));
    QFile out(m_saved);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(writeRtf(m_doc));
}

// Lengths that LibreOffice's millimetres hold exactly (multiples of 0.1 mm and of a twip).
void TstRtfInterop::addColoursAndParagraphFormats()
{
    QTextCursor cursor(m_doc.findBlockByNumber(1));
    QTextBlockFormat indented;
    indented.setLeftMargin(48);
    indented.setRightMargin(24);
    indented.setTextIndent(-24);
    indented.setTopMargin(16);
    indented.setBottomMargin(8);
    indented.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    cursor.mergeBlockFormat(indented);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat red;
    red.setForeground(QColor(192, 0, 0));
    cursor.mergeCharFormat(red);
    cursor.setPosition(cursor.block().position() + 6);
    cursor.setPosition(cursor.block().position() + 8, QTextCursor::KeepAnchor);
    QTextCharFormat lit;
    lit.setBackground(QColor(255, 255, 0));
    cursor.mergeCharFormat(lit);
    cursor.setPosition(cursor.block().position() + 8);
    cursor.setPosition(cursor.block().position() + 10, QTextCursor::KeepAnchor);
    QTextCharFormat shaded;
    shaded.setBackground(QColor(220, 230, 241));
    cursor.mergeCharFormat(shaded);

    QTextCursor last(m_doc.lastBlock());
    QTextBlockFormat breaking;
    breaking.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    breaking.setLineHeight(20, QTextBlockFormat::FixedHeight);
    last.mergeBlockFormat(breaking);
}

bool TstRtfInterop::convert(const QString &format, const QString &outDir)
{
    QProcess soffice;
    const QString profile =
        QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("profile"))).toString();
    soffice.start(m_soffice, {QStringLiteral("-env:UserInstallation=") + profile,
                              QStringLiteral("--headless"), QStringLiteral("--convert-to"), format,
                              QStringLiteral("--outdir"), outDir, m_saved});
    if (!soffice.waitForFinished(180000)) {
        soffice.kill();
        return false;
    }
    return soffice.exitStatus() == QProcess::NormalExit && soffice.exitCode() == 0;
}

void TstRtfInterop::libreOfficeText_isOurText()
{
    const QString outDir = m_dir.filePath(QStringLiteral("txt"));
    QVERIFY(convert(QStringLiteral("txt:Text (encoded):UTF8"), outDir));
    QFile in(outDir + QStringLiteral("/ours.txt"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(in.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.endsWith(u'\n'))
        text.chop(1);
    QCOMPARE(text, m_doc.toPlainText());
}

void TstRtfInterop::libreOfficeResave_keepsOurFormats()
{
    const QString outDir = m_dir.filePath(QStringLiteral("rtf"));
    QVERIFY(convert(QStringLiteral("rtf"), outDir));
    QFile in(outDir + QStringLiteral("/ours.rtf"));
    QVERIFY(in.open(QIODevice::ReadOnly));
    QTextDocument resaved;
    resaved.setDefaultFont(m_doc.defaultFont());
    readRtf(in.readAll(), &resaved);
    QCOMPARE(describe(resaved).split(u'\n'), describe(m_doc).split(u'\n'));
    // LibreOffice saves the automatic colour as black once a run before had a colour.
    const QString layout =
        describeLayout(resaved).replace(QStringLiteral("[#000000]"), QStringLiteral("[]"));
    QCOMPARE(layout.split(u'\n'), describeLayout(m_doc).split(u'\n'));
}

QTEST_GUILESS_MAIN(TstRtfInterop)
#include "tst_rtf_interop.moc"
