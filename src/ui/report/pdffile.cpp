#include "pdffile.h"

#include <QFile>

#include <utility>

namespace izoku::ui {

namespace {

// Noto Sans CJK draws 金, 子, 生 … and the Kangxi radicals ⾦, ⼦, ⽣ … with
// one glyph each, and Qt's PDF text map names the lowest code point of a
// glyph: the radical.  A search for "遺族年金" would then miss the page.  The
// map is plain text inside the file; each radical's four hex digits are
// swapped for its ideograph's, byte for byte, so nothing else in the file
// moves.  The supplementary radicals (⺠, ⻄ …) and the hyphenation point
// that shares the katakana middle dot's glyph have no such equivalence in
// Unicode; the ones Japanese texts meet are listed, with the wave dash that
// shares the glyph of the fullwidth tilde Japanese texts write ("40歳～").
constexpr std::pair<char16_t, char16_t> kSharedGlyphs[] = {
    {0x2027, 0x30FB}, // ‧ ・
    {0x2EA0, 0x6C11}, // ⺠ 民
    {0x2EC4, 0x897F}, // ⻄ 西
    {0x2ED1, 0x9577}, // ⻑ 長
    {0x2ED8, 0x9752}, // ⻘ 青
    {0x2EDD, 0x98DF}, // ⻝ 食
    {0x2EE4, 0x9B3C}, // ⻤ 鬼
    {0x2EE8, 0x9EA6}, // ⻨ 麦
    {0x2EE9, 0x9EC4}, // ⻩ 黄
    {0x2EED, 0x6B6F}, // ⻭ 歯
    {0x2EEF, 0x7ADC}, // ⻯ 竜
    {0x2EF2, 0x4E80}, // ⻲ 亀
    {0x301C, 0xFF5E}, // 〜 ～
};

char16_t ideographOf(char16_t code)
{
    for (const auto &[shared, ideograph] : kSharedGlyphs) {
        if (shared == code)
            return ideograph;
    }
    if (code < 0x2E80 || code > 0x2FDF)
        return code;
    const QString ideograph = QString(QChar(code)).normalized(QString::NormalizationForm_KC);
    return ideograph.size() == 1 ? ideograph.at(0).unicode() : code;
}

QByteArray ideographsNotRadicals(QByteArray cmap)
{
    qsizetype open = 0;
    while ((open = cmap.indexOf('[', open)) >= 0) {
        const qsizetype close = cmap.indexOf(']', open);
        if (close < 0)
            break;
        for (qsizetype i = cmap.indexOf('<', open); i >= 0 && i + 5 < close; i = cmap.indexOf('<', i + 1)) {
            if (cmap.at(i + 5) != '>')
                continue;
            bool ok = false;
            const uint code = cmap.mid(i + 1, 4).toUInt(&ok, 16);
            if (!ok)
                continue;
            const char16_t ideograph = ideographOf(char16_t(code));
            if (ideograph != code)
                cmap.replace(i + 1, 4, QByteArray::number(ideograph, 16).toUpper().rightJustified(4, '0'));
        }
        open = close;
    }
    return cmap;
}

} // namespace

bool NameIdeographsInPdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray pdf = file.readAll();
    bool changed = false;
    for (qsizetype begin = 0; (begin = pdf.indexOf("begincmap", begin)) >= 0;) {
        const qsizetype end = pdf.indexOf("endcmap", begin);
        if (end < 0)
            break;
        const QByteArray fixed = ideographsNotRadicals(pdf.mid(begin, end - begin));
        if (fixed != pdf.mid(begin, end - begin)) {
            pdf.replace(begin, end - begin, fixed);
            changed = true;
        }
        begin = end;
    }
    if (!changed)
        return true;
    return file.seek(0) && file.write(pdf) == pdf.size();
}

} // namespace izoku::ui
