#include "exercise/banks/bank_file.h"


namespace qm {

namespace {

int lineAt(const QByteArray& bytes, qsizetype offset) { return 1 + int(bytes.left(offset).count('\n')); }

// A row with nothing but spaces and tabs in it, or nothing at all.
bool blank(const QStringList& fields) {
    for (const QString& f : fields)
        if (!f.trimmed().isEmpty()) return false;
    return true;
}

// Cuts the text into rows and fields.
void parse(const QString& text, FileText& out) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = 1;
    const auto atLineEnd = [&](qsizetype at) {
        return at < n && (text[at] == QLatin1Char('\n') || text[at] == QLatin1Char('\r'));
    };
    // Steps over a line end (CR LF, LF or CR alone) and counts it.
    const auto skipLineEnd = [&] {
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
        ++i;
        ++line;
    };
    while (i < n) {
        FileRow row{line, {}};
        for (;;) {
            QString field;
            if (i < n && text[i] == QLatin1Char('"')) {
                const int opened = line;
                ++i;
                bool closed = false;
                while (i < n) {
                    const QChar c = text[i];
                    if (c == QLatin1Char('"')) {
                        if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                            field += c;
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (atLineEnd(i)) {
                        const bool crlf = c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n');
                        field += crlf ? QStringLiteral("\r\n") : QString(c);
                        skipLineEnd();
                        continue;
                    }
                    field += c;
                    ++i;
                }
                if (!closed) {
                    out.problems.append({opened, QStringLiteral("a field in quote marks is never closed (its quote mark opens on this line)")});
                    return;
                }
                if (i < n && text[i] != QLatin1Char('\t') && !atLineEnd(i)) {
                    out.problems.append({line, QStringLiteral("text after the closing quote mark of a field")});
                    while (i < n && text[i] != QLatin1Char('\t') && !atLineEnd(i)) field += text[i++];
                }
            } else {
                const qsizetype start = i;
                while (i < n && text[i] != QLatin1Char('\t') && !atLineEnd(i)) ++i;
                field = text.mid(start, i - start);
            }
            row.fields << field;
            if (i < n && text[i] == QLatin1Char('\t')) {
                ++i;
                continue;
            }
            break;
        }
        if (i < n) skipLineEnd();
        if (!blank(row.fields)) out.rows << row;
    }
}

}  // namespace

qsizetype firstInvalidUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        int follow = 0;
        unsigned int code = 0, least = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            follow = 1, code = c & 0x1F, least = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            follow = 2, code = c & 0x0F, least = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            follow = 3, code = c & 0x07, least = 0x10000;
        } else {
            return i;
        }
        if (i + follow >= n) return i;  // cut off at the end
        for (int k = 1; k <= follow; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return i;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
        i += follow + 1;
    }
    return -1;
}

FileText readBankText(const QByteArray& bytes) {
    FileText out;
    if (bytes.size() > kBankFileLimit) {
        out.problems.append({1, QStringLiteral("the file is larger than 1 MiB, too large for a bank")});
        return out;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // Excel's "Unicode Text": tab-separated, UTF-16 with its byte-order mark.
        const bool little = bytes.startsWith("\xFF\xFE");
        const QByteArray body = bytes.mid(2);
        QString text;
        text.reserve(body.size() / 2);
        int line = 1;
        for (qsizetype i = 0; i + 1 < body.size(); i += 2) {
            const auto a = uchar(body[i]), b = uchar(body[i + 1]);
            const char16_t u = little ? char16_t(a | (b << 8)) : char16_t((a << 8) | b);
            if (u == 0) {
                out.problems.append({line, QStringLiteral("binary: the file holds a zero character, so it is not text")});
                return out;
            }
            text.append(QChar(u));
            if (u == u'\n') ++line;
        }
        bool whole = body.size() % 2 == 0;
        for (qsizetype i = 0; whole && i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
            } else if (c.isSurrogate()) {
                whole = false;
                line = 1 + int(text.left(i).count(QLatin1Char('\n')));
            }
        }
        if (!whole) {
            out.problems.append({line, QStringLiteral("not UTF-16 text: the file is damaged; save it again")});
            return out;
        }
        parse(text, out);
        if (out.rows.isEmpty() && out.problems.isEmpty()) out.problems.append({1, QStringLiteral("the file is empty")});
        return out;
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const qsizetype zero = body.indexOf('\0');
    if (zero >= 0) {
        out.problems.append({lineAt(body, zero), QStringLiteral("binary: the file holds a zero byte, so it is not text")});
        return out;
    }
    const qsizetype bad = firstInvalidUtf8(body);
    if (bad >= 0) {
        out.problems.append({lineAt(body, bad), QStringLiteral("not UTF-8 text: save it again from the spreadsheet, in Excel as \"Unicode Text\", "
                                                        "in LibreOffice Calc as \"Text CSV\" with the character set UTF-8 "
                                                        "and the field delimiter tab, and give it the ending .tsv")});
        return out;
    }
    const QString text = QString::fromUtf8(body);
    parse(text, out);
    if (out.rows.isEmpty() && out.problems.isEmpty()) out.problems.append({1, QStringLiteral("the file is empty")});
    return out;
}

QByteArray writeBankText(const QList<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& f : row) {
            const bool quote = f.contains(QLatin1Char('\t')) || f.contains(QLatin1Char('"')) ||
                               f.contains(QLatin1Char('\n')) || f.contains(QLatin1Char('\r'));
            fields << (quote ? QLatin1Char('"') + QString(f).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"') : f);
        }
        text += fields.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

}  // namespace qm
