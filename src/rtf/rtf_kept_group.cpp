#include "rtf/rtf_kept_group.h"

#include "rtf/rtf_color_table.h"
#include "rtf/rtf_font_table.h"
#include "rtf/rtf_tokenizer.h"

namespace {

QString key(int index)
{
    return QString::number(index);
}

} // namespace

RtfKeptGroup::Reference RtfKeptGroup::referenceOf(std::string_view word)
{
    if (word == "f" || word == "af")
        return Reference::Font;
    if (word == "cf" || word == "cb" || word == "highlight" || word == "chcbpat" ||
        word == "chcfpat")
        return Reference::Color;
    return Reference::None;
}

void RtfKeptGroup::forEachReference(
    const QByteArray &bytes,
    const std::function<void(Reference, int index, qsizetype from, qsizetype to)> &found)
{
    RtfTokenizer tokens(bytes);
    const char *base = bytes.constData();
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next()) {
        if (token.kind != RtfToken::Kind::ControlWord)
            continue;
        if (token.text == "bin") {
            tokens.takeBytes(token.hasParam ? token.param : 0);
            continue;
        }
        if (!token.hasParam || token.param < 0)
            continue;
        const Reference kind = referenceOf(token.text);
        if (kind == Reference::None)
            continue;
        const qsizetype from = qsizetype(token.text.data() - base) + qsizetype(token.text.size());
        qsizetype to = from;
        while (to < bytes.size() && bytes.at(to) >= '0' && bytes.at(to) <= '9')
            ++to;
        found(kind, token.param, from, to);
    }
}

void RtfKeptGroup::collectReferences(const RtfFontTable &fontTable, const RtfColorTable &colorTable)
{
    forEachReference(bytes, [&](Reference kind, int index, qsizetype, qsizetype) {
        if (kind == Reference::Font) {
            if (!fonts.contains(index))
                fonts.insert(index, fontTable.familyFor(index));
        } else if (!colors.contains(index)) {
            colors.insert(index, colorTable.color(index));
        }
    });
}

QByteArray RtfKeptGroup::asGroup(std::string_view bytes)
{
    QByteArray group;
    if (bytes.empty() || bytes.front() != '{')
        group += '{';
    group.append(bytes.data(), qsizetype(bytes.size()));
    return group;
}

QVariantMap RtfKeptGroup::toVariant() const
{
    QVariantMap fontMap;
    for (auto it = fonts.cbegin(); it != fonts.cend(); ++it)
        fontMap.insert(key(it.key()), it.value());
    QVariantMap colorMap;
    for (auto it = colors.cbegin(); it != colors.cend(); ++it)
        colorMap.insert(key(it.key()), it.value().isValid() ? it.value().name() : QString());
    return {{QStringLiteral("bytes"), bytes},
            {QStringLiteral("uc"), uc},
            {QStringLiteral("place"), int(place)},
            {QStringLiteral("fonts"), fontMap},
            {QStringLiteral("colors"), colorMap}};
}

RtfKeptGroup RtfKeptGroup::fromVariant(const QVariant &value)
{
    const QVariantMap map = value.toMap();
    RtfKeptGroup group;
    group.bytes = map.value(QStringLiteral("bytes")).toByteArray();
    group.uc = qBound(0, map.value(QStringLiteral("uc"), 1).toInt(), 0xFFFF);
    const int place = map.value(QStringLiteral("place")).toInt();
    group.place = place == 1 ? Place::Info : place == 2 ? Place::HeaderFooter : Place::Text;
    const QVariantMap fontMap = map.value(QStringLiteral("fonts")).toMap();
    for (auto it = fontMap.cbegin(); it != fontMap.cend(); ++it)
        group.fonts.insert(it.key().toInt(), it.value().toString());
    const QVariantMap colorMap = map.value(QStringLiteral("colors")).toMap();
    for (auto it = colorMap.cbegin(); it != colorMap.cend(); ++it) {
        const QString name = it.value().toString();
        group.colors.insert(it.key().toInt(), name.isEmpty() ? QColor() : QColor(name));
    }
    return group;
}
