#include "rtf/rtf_kept_group_writer.h"

#include "rtf/rtf_color_list.h"
#include "rtf/rtf_font_list.h"
#include "rtf/rtf_kept_group.h"
#include "rtf/rtf_tokenizer.h"

std::string RtfKeptGroupWriter::bytesFor(const RtfKeptGroup &group)
{
    const QByteArray &bytes = group.bytes;
    const char *base = bytes.constData();
    std::string out;
    out.reserve(size_t(bytes.size()) + 16);
    RtfTokenizer tokens(bytes);
    qsizetype copied = 0;   // bytes before this are in out
    qsizetype complete = 0; // end of the last whole token
    int depth = 0;
    const auto copyTo = [&](qsizetype end) {
        out.append(base + copied, size_t(end - copied));
        copied = end;
    };
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next()) {
        if (token.kind == RtfToken::Kind::GroupOpen) {
            ++depth;
        } else if (token.kind == RtfToken::Kind::GroupClose) {
            if (--depth <= 0) {
                complete = tokens.offset();
                break;
            }
        } else if (token.kind == RtfToken::Kind::ControlWord && token.hasParam) {
            const qsizetype digits =
                qsizetype(token.text.data() - base) + qsizetype(token.text.size());
            qsizetype end = digits;
            while (end < bytes.size() && bytes.at(end) >= '0' && bytes.at(end) <= '9')
                ++end;
            if (token.text == "bin") {
                const std::string_view data = tokens.takeBytes(token.param);
                if (token.param > 0 && qsizetype(data.size()) < token.param) {
                    copyTo(digits);
                    out += std::to_string(data.size());
                    copied = end;
                }
            } else if (token.param >= 0) {
                const RtfKeptGroup::Reference kind = RtfKeptGroup::referenceOf(token.text);
                if (kind != RtfKeptGroup::Reference::None) {
                    copyTo(digits);
                    out += std::to_string(kind == RtfKeptGroup::Reference::Font
                                              ? fontFor(group, token.param)
                                              : colorFor(group, token.param));
                    copied = end;
                }
            }
        }
        complete = tokens.offset();
    }
    if (complete > copied)
        copyTo(complete);
    if (depth > 0 && !out.empty() && out.back() == '\\')
        out += ' '; // a cut-off control word must not escape the closing brace
    for (; depth > 0; --depth)
        out += '}';
    return out;
}

int RtfKeptGroupWriter::fontFor(const RtfKeptGroup &group, int index)
{
    const QString family = group.fonts.value(index);
    return family.isEmpty() ? 0 : m_fonts->indexOf(family);
}

int RtfKeptGroupWriter::colorFor(const RtfKeptGroup &group, int index)
{
    const QColor color = group.colors.value(index);
    return color.isValid() ? m_colors->indexOf(color) : 0;
}
