#include "exercise/word_tiles.h"

namespace qm {

QStringList splitWords(const QString& row, int slotCount) {
    QStringList words;
    QString word;
    for (const QChar c : row) {
        if (c != QLatin1Char(' ')) {
            word += c;
            continue;
        }
        if (words.size() < slotCount) words << word;
        word.clear();
    }
    return words;
}

int wordCount(const QString& row) { return int(row.count(QLatin1Char(' '))); }

std::vector<TilePlace> flowPlaces(const std::vector<double>& widths, const WordFlow& flow) {
    std::vector<TilePlace> places;
    places.reserve(widths.size());
    for (std::size_t k = 0; k < widths.size(); ++k) {
        if (k == 0) {
            places.push_back({flow.left, flow.top});
            continue;
        }
        const TilePlace& before = places[k - 1];
        TilePlace here{before.left + widths[k - 1] + flow.gap, before.top};
        if (flow.wrap && here.left + widths[k] > flow.rightEdge) here = {places[0].left, before.top + flow.lineStep};
        places.push_back(here);
    }
    return places;
}

int lineCount(const std::vector<TilePlace>& places) {
    int lines = places.empty() ? 0 : 1;
    for (std::size_t k = 1; k < places.size(); ++k)
        if (places[k].top != places[k - 1].top) ++lines;
    return lines;
}

const QColor WordTiles::kYellow(255, 255, 0);
const QColor WordTiles::kGreen(0, 255, 0);

FontSpec WordTiles::look() { return {QStringLiteral("Tahoma"), 20.25, true}; }

void WordTiles::make(Form& form, int count) {
    const auto build = [&](const char* name, const QColor& colour) {
        ControlArray<Label> array = form.addArray<Label>(QString::fromLatin1(name));
        Label& first = array.at(0);
        first.setBackStyle(BackStyle::Transparent);
        first.setAlignment(Align::Center);
        first.setFont_(look());
        first.setForeColor(colour);
        first.setAutoSize(true);
        first.Hide();
        for (int k = 1; k < count; ++k) array.Load(k);
        return array;
    };
    // The later-made lies above: key words under the tiles, markers over them.
    Label2 = build("Label2", kYellow);
    Label7 = build("Label7", kYellow);
    Label11 = build("Label11", kGreen);
}

void WordTiles::emptyTiles() {
    for (Label* tile : Label7) tile->setCaption(QString());
}

void WordTiles::clear() {
    for (int k = 0; k < slotCount(); ++k) {
        Label11(k)->Hide();
        Label11(k)->setCaption(QString());
        Label7(k)->Hide();
        Label7(k)->setCaption(QString());
        Label7(k)->setEnabled_(true);
        Label2(k)->Hide();
        Label2(k)->setCaption(QString());
    }
}

int WordTiles::fill(const QString& sentence, const QString& key) {
    const QStringList words = splitWords(sentence, slotCount());
    for (int k = 0; k < int(words.size()); ++k) Label7(k)->setCaption(words[k]);
    const QStringList keys = splitWords(key, Label2.count());
    for (int k = 0; k < int(keys.size()); ++k) Label2(k)->setCaption(keys[k]);
    return int(keys.size());
}

std::vector<double> WordTiles::widths(const ControlArray<Label>& array) const {
    std::vector<double> w;
    for (Label* l : array) w.push_back(l->Width());
    return w;
}

void WordTiles::layOut(const WordFlow& flow, bool keysTakeTilePlaces) {
    reflowFrom(0, flow);
    if (keysTakeTilePlaces) {
        for (int k = 0; k < Label2.count() && k < slotCount(); ++k)
            Label2(k)->Move(Label7(k)->Left(), Label7(k)->Top());
        return;
    }
    const std::vector<TilePlace> places = flowPlaces(widths(Label2), flow);
    for (int k = 0; k < int(places.size()); ++k) Label2(k)->Move(places[k].left, places[k].top);
}

void WordTiles::reflowFrom(int from, const WordFlow& flow) {
    const std::vector<TilePlace> places = flowPlaces(widths(Label7), flow);
    for (int k = std::max(0, from); k < int(places.size()); ++k) Label7(k)->Move(places[k].left, places[k].top);
}

void WordTiles::showTiles() {
    for (Label* tile : Label7) tile->Show();
}

void WordTiles::markDone(int index) {
    if (index < 0 || index >= slotCount()) return;
    Label11(index)->setCaption(Label7(index)->Caption());
    for (int k = index; k < slotCount() && k < Label11.count(); ++k)
        Label11(k)->Move(Label7(k)->Left(), Label7(k)->Top());
    Label11(index)->Show();
    Label7(index)->setEnabled_(false);
}

}  // namespace qm
