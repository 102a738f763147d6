// The texts of the native channel CSV, cell by cell: what the export writes for a channel, how a
// cell a person or a spreadsheet typed is read (case, "None", 67 for 67.0), and whether a cell
// still says what the export wrote, in which case the import leaves the channel's value alone.
#pragma once

#include <QString>
#include <QStringList>

namespace qv {
class ChannelTable;
}

namespace qv::csv {

// The 13 texts the export writes for a channel row of a loaded table: tones as "67.0", "D023N"
// or "" (None), an empty channel as its number alone.
QStringList ExportedTexts(const ChannelTable& table, int row);

// A cell in the form the export writes it, or the reason it cannot be a value of its column.
struct CellText {
    bool ok = true;
    QString text;
    QString reason;
};

// Frequencies: a plain decimal number in MHz ("446.1", "446.006250") or "" for none.
// Tones: "" for "", "None" (any case); "67" and "67.00" read as "67.0", but "67.04" is refused,
//   since the list has one decimal; "d023n" reads as "D023N"; a trailing "Hz" is allowed.
// Options, TX Power, Bandwidth: any case, "Carrier Squelch" as "Carrier"; "" keeps the choice.
// Names are taken exactly as written; other columns are returned trimmed.
CellText ReadCell(int column, const QString& text);

// Whether a cell read with ReadCell says what the export wrote: frequencies by value
// ("446.1" = "446.10000"), everything else by text.
bool SameAsExported(int column, const QString& cell, const QString& exported);

// Whether a tone read with ReadCell ("67.0", "D023N") is one of the numbered tone choices.
bool ToneInList(const QStringList& toneList, const QString& tone);

// Whether the channel editor can store a name: at most 6 characters with codes 32 to 122; the
// reason when it cannot.
QString NameProblem(const QString& name);

}  // namespace qv::csv
