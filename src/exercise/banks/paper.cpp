#include "exercise/banks/paper.h"

#include <algorithm>

namespace qm {

namespace {

PaperPiece piece(PaperPiece::Kind kind, QStringList items = {}, int count = 1) {
    PaperPiece p;
    p.kind = kind;
    p.items = std::move(items);
    p.count = count;
    return p;
}

}  // namespace

PaperPiece paperText(const QString& text) { return paperText(QList<PaperRun>{{text}}); }

PaperPiece paperText(QList<PaperRun> runs) {
    PaperPiece p = piece(PaperPiece::Text);
    p.runs = std::move(runs);
    return p;
}

PaperPiece paperCircle(const QStringList& captions) { return piece(PaperPiece::Circle, captions); }
PaperPiece paperLetters(const QStringList& options) { return piece(PaperPiece::Letters, options); }
PaperPiece paperLines(int count) { return piece(PaperPiece::Lines, {}, count); }
PaperPiece paperTable(const QStringList& headings, int rows) { return piece(PaperPiece::Table, headings, rows); }

PaperPiece paperBox(const QString& label, bool forAWord) {
    PaperPiece p = piece(PaperPiece::Box, {}, forAWord ? 2 : 1);
    p.label = label;
    return p;
}

QList<int> paperOrder(int count, const PaperRandom& rnd) {
    QList<int> order;
    for (int i = 0; i < count; ++i) order << i;
    for (int i = count - 1; i > 0; --i) {
        const int j = std::min(i, int(rnd() * (i + 1)));
        std::swap(order[i], order[j]);
    }
    return order;
}

QList<PaperRun> paperMarked(const QString& part) {
    qsizetype a = 0, b = part.size();
    while (a < b && !part[a].isLetterOrNumber()) ++a;
    while (b > a && !part[b - 1].isLetterOrNumber()) --b;
    QList<PaperRun> runs;
    if (a > 0) runs << PaperRun{part.left(a)};
    runs << PaperRun{part.mid(a, b - a), true};
    if (b < part.size()) runs << PaperRun{part.mid(b)};
    return runs;
}

QString paperLetter(int i) { return QString(QChar(u'a' + i)); }

QString paperWords(const QString& row) { return row.trimmed(); }

}  // namespace qm
