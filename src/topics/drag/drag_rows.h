#pragma once
// The row form of the word-drag screens: a sentence of word tiles, each word followed by
// one space (a field typed without the last space gets it), with its key row, its corrected sentence
// or its codes, checked against the screen's word slots and the width of its lines.

#include "topics/drag/word_drag.h"

namespace qm {

class DragRows final : public RowForm {
public:
    explicit DragRows(const DragBank& b);
    QStringList columns() const override { return b_.columns; }
    const BankImage& builtIn() const override { return builtIn_; }
    Footprint footprint() const override;
    QStringList fieldsOf(const BankImage& bank, int n) const override;
    void append(BankImage& bank, const QStringList& fields, int line, BankProblems& problems) const override;
    QString sameness(const BankImage& bank, int n) const override { return entry(bank.question, n); }
    void check(const BankImage& bank, int n, int line, BankProblems& problems) const override;
    PaperTask paperTask() const override { return {b_.paperTask, {}}; }
    PaperQuestion paperQuestion(const BankImage& bank, int n, const PaperRandom& rnd) const override;

    // A line's codes as a file writes them, one digit to a word with spaces between
    // (a spreadsheet would take "0032" for the number 32), and back.
    static QString spacedCode(const QString& code);
    static QString codeFromField(const QString& field);

private:
    const DragBank& b_;
    BankImage builtIn_;
};

}  // namespace qm
