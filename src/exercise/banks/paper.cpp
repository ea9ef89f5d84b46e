#include "exercise/banks/paper.h"

#include <algorithm>

namespace qm {

PaperPiece paperText(const QString& text) { return paperText(QList<PaperRun>{{text}}); }

PaperPiece paperText(QList<PaperRun> runs) {
    PaperPiece p;
    p.kind = PaperPiece::Text;
    p.runs = std::move(runs);
    return p;
}

PaperPiece paperCircle(const QStringList& captions) {
    PaperPiece p;
    p.kind = PaperPiece::Circle;
    p.items = captions;
    return p;
}

PaperPiece paperLetters(const QStringList& options) {
    PaperPiece p;
    p.kind = PaperPiece::Letters;
    p.items = options;
    return p;
}

PaperPiece paperBox(const QString& label, bool forAWord) {
    PaperPiece p;
    p.kind = PaperPiece::Box;
    p.label = label;
    p.count = forAWord ? 2 : 1;
    return p;
}

PaperPiece paperLines(int count) {
    PaperPiece p;
    p.kind = PaperPiece::Lines;
    p.count = count;
    return p;
}

PaperPiece paperTable(const QStringList& headings, int rows) {
    PaperPiece p;
    p.kind = PaperPiece::Table;
    p.items = headings;
    p.count = rows;
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
