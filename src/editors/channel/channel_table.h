// The channel table: the 16 channels of the image as typed records, shown as a 17 x 13 table
// (row 0 the headers, column 0 the channel numbers) with every rule of editing them, and the way
// back into the image. As a Qt table model it offers channel rows 1-16 and columns 1-12 as items
// (the header row and the channel numbers are its headers); setData applies the editing rules.
// Texts are made only for display, in the language of the texts it is given. Works without any
// widget.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "codecs/channel_record.h"
#include "data/radio_image.h"
#include "editors/channel/channel_texts.h"

namespace qv {

// Which cell editor a cell opens.
enum class CellEditor { None, Frequency, Name, Tone, Option };

// One row of the table: the channel and whether its TX cells may be edited.
struct ChannelRow {
    ChannelRecord record;
    bool txEditable = true;
    bool operator==(const ChannelRow&) const = default;
};

// Everything an edit of the table can change: the rows, and the image bytes a created channel
// writes at once (bytes 12-14 of each record and the five-byte slots).
struct ChannelTableState {
    std::array<ChannelRow, channel::kChannelRows> rows;
    QByteArray creationBytes;
    bool operator==(const ChannelTableState&) const = default;
};

// What one user edit of the table was, to name its undo step: a cell of a channel (the cell the
// user edited, whatever else its rules changed), or whole channels pasted or deleted.
struct ChannelEdit {
    enum class Kind { Cell, Paste, Delete };
    Kind kind = Kind::Cell;
    int row = 0;     // the channel of a cell edit
    int column = 0;  // the table column of a cell edit
    bool operator==(const ChannelEdit&) const = default;
};

class ChannelTable : public QAbstractTableModel {
    Q_OBJECT
public:
    // Item data: true on display-only cells, which look different and open no editor.
    static constexpr int kDisplayOnlyRole = Qt::UserRole + 1;

    // Builds the empty table: "Simplex" in every Mode cell, the Mode, TX Power and Bandwidth
    // columns display-only. RefreshAll fills it from the image.
    // `texts` is kept by reference: a language switch shows at the next Display.
    ChannelTable(RadioData& data, const UiTexts& texts, QObject* parent = nullptr);
    ChannelTable(RadioData& data, UiTexts&& texts, QObject* parent = nullptr) = delete;
    const UiTexts& texts() const { return texts_; }

    // ---- Loading and storing ----
    // Display, then LoadData.
    void RefreshAll();
    // Headers in the language of the texts and the tone list rebuilt from the image.
    void Display();
    // Decodes the 16 channel records; asks for (1, 1) to become the current cell.
    void LoadData();
    // Encodes every row back into the image (records, names, scan bits).
    void SaveData();
    // The same into another image (the rows only; nothing else of it changes).
    void SaveInto(RadioImage& image) const;

    // ---- Reading ----
    const ChannelRecord& Record(int row) const { return rows_[Slot(row)].record; }
    QString Cell(int row, int column) const;
    // The 13 texts of a row; row 0 gives the headers.
    QStringList RowTexts(int row) const;
    // Display-only cells never open an editor (Mode, TX Power, Bandwidth; the TX cells of
    // Simplex and RX-only rows).
    bool IsDisplayOnly(int row, int column) const;
    bool IsEmptyChannel(int row) const { return IsChannelRow(row) && Record(row).IsEmpty(); }
    // The numbered tone choices of the last Display.
    const QStringList& ToneDisplayList() const { return toneList_; }
    // The tone list entry whose tone begins with what was typed, for the list's keyboard search:
    // "67" and "67.0" find 67.0 Hz, "D023" and "d023n" D023N, "n" None; the entry numbers are
    // labels, never searched. Case is ignored and "." or "," stands for the locale's decimal
    // separator. -1 when no tone begins so.
    int ToneEntryTyped(const QString& typed) const;
    // The frequency editor's list: an empty entry, then the eight PMR446 frequencies.
    QStringList FrequencyChoices() const;
    // What the frequency editor lets in: digits and one decimal separator, the user's locale's,
    // with a typed "." taken as that separator. The text with "." turned into the separator, or
    // nothing when any character is refused.
    std::optional<QString> AcceptedFrequencyText(const QString& text) const;

    // Why a typed frequency cannot be stored, in the language of the texts: it lies outside the
    // band ("4461 MHz is outside this radio's band, 400.00000 to 480.00000 MHz"). Empty for a
    // text that can be stored (an empty text deletes).
    QString FrequencyRefusal(const QString& text) const;

    // ---- The rules of the table ----
    // Empty text clears the row (the channel is deleted at the next save). Otherwise the text is
    // cleaned up with NormalizeFrequency; an empty row becomes a new channel with its defaults
    // (and its bytes 12-14 and five-byte slot are written into the image at once); on a Simplex
    // row the TX frequency follows. A frequency outside the band is refused: false, nothing
    // changed.
    bool SetRxFrequency(int row, const QString& text);
    // Empty text empties both TX cells; otherwise the cleaned-up frequency, and None as TX tone
    // when there was none. A frequency outside the band is refused: false, nothing changed.
    bool SetTxFrequency(int row, const QString& text);
    // Mode from the channel: RX only without TX frequency, Simplex when TX equals RX in
    // frequency and tone, otherwise Repeater; then ApplyMode with the Mode column to return to.
    void DeriveMode(int row);
    // Simplex mirrors RX into the locked TX cells, RX only locks them empty, Repeater unlocks
    // them. Asks for (row, column) to become the current cell.
    void ApplyMode(ChannelMode mode, int row, int column);

    // ---- Editing, as the grid does it ----
    // The cell a click or a typed key really addresses: the RX frequency of an empty row, the TX
    // frequency when the TX tone of a row without TX frequency is addressed.
    int RedirectColumn(int row, int column) const;
    // The editor that opens on the cell, None when it cannot be edited.
    CellEditor EditorFor(int row, int column) const;
    // The choices of the option editor of a column (Scan, Busy Lock, Reverse Burst, Talk Around).
    QStringList OptionList(int column) const { return channel::OptionList(column, texts_); }
    // A committed frequency editor: the RX rule, or the TX rule followed by DeriveMode. False,
    // and nothing changed, for a frequency outside the band.
    bool CommitFrequency(int row, int column, const QString& text);
    // A committed name editor (six characters at most).
    void CommitName(int row, const QString& text);
    // A committed tone or option editor. Only a changed choice is stored, an RX tone chosen on a
    // Simplex row is given to the TX tone too, and a chosen TX tone is followed by DeriveMode. An
    // empty choice (the list showed a text that is none of its entries and the user picked nothing)
    // changes nothing.
    void CommitChoice(int row, int column, const QString& text, const QString& savedText);
    // Where Enter in a tone or option editor goes: the next editable column to the right (4 goes
    // to 5, or to 7 without TX frequency; 12 wraps to 1), skipping display-only cells and
    // columns that hidden() reports as zero width.
    int NextColumnAfterChoice(int row, int column,
                              const std::function<bool(int column)>& hidden = {}) const;

    // Sets a cell as a user who typed or chose the text would, through the same editor rules.
    // Returns false and changes nothing when that cell opens no editor for this row (an empty
    // row takes only its RX frequency first), the text is not a choice of the cell or a
    // frequency outside the band. Tone cells take a list entry ("1 - 67.0Hz") or the tone part
    // alone ("67.0Hz", "D023N"); Busy Lock also takes the CSV's words ("Carrier", "CTCSS/DCS");
    // names keep characters 32-122 only.
    bool SetCellAsUser(int row, int column, const QString& text);
    // ---- The same rules for typed values (the CSV import), whatever the UI language ----
    // Frequencies in 10 Hz units are put on the raster as a typed text is
    // (NormalizeFrequencyUnits); none clears the row, or empties both TX cells. One outside the
    // band (FrequencyInBand) is refused: false, nothing changed.
    bool SetRxFrequencyUnits(int row, std::optional<int> units);
    bool SetTxFrequencyUnits(int row, std::optional<int> units);
    // Whether a frequency can be stored in this table's band.
    bool InBand(double megahertz) const;
    // Whether the tone list of the last Display offers the tone; None always counts.
    bool HasToneChoice(const Tone& tone) const;
    // A tone for a tone cell that opens an editor, as the tone editor stores a choice: only a
    // changed tone is stored, and on a Simplex row the TX tone follows the RX tone. False, and
    // nothing changed, when the cell cannot be edited or the tone list does not offer the tone.
    bool SetTone(int row, int column, const Tone& tone);
    // The options and the name of a channel (false, nothing changed, on an empty row). A name
    // keeps its first six bytes.
    bool SetScan(int row, bool scan);
    bool SetBusyLock(int row, BusyLock busyLock);
    bool SetReverseBurst(int row, bool on);
    bool SetTalkAround(int row, bool on);
    bool SetName(int row, const QByteArray& name);

    // Empties the channels of the given rows, as an empty RX frequency does, in one edit.
    void DeleteChannels(const QList<int>& rows);
    // Replaces the given rows with the channels of another image (same tone list), in one edit;
    // the image bytes a created channel writes come along.
    void TakeChannels(const RadioImage& from, const QList<int>& rows);

    // Name characters the editor accepts: codes 32 to 122.
    static bool IsNameCharacter(QChar c) { return c.unicode() >= 32 && c.unicode() <= 122; }
    static constexpr int kNameMaxLength = 6;

    // Everything an edit can change, to compare before and after.
    ChannelTableState State() const;
    // Puts rows and creation bytes back as they were, sending no edited(): an import that
    // refuses one row of a plan takes back what that row had already changed.
    void RestoreState(const ChannelTableState& state);

    // ---- Qt model ----
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The committed text of a cell editor, through the rules of that cell.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Where the two numberings meet: the table's rules count channels and columns from 1 (row n
    // is channel n and image row n; column 1 is RX Freq.), Qt's indices from 0. These three are
    // the only crossing, so the rules never see a Qt row and Qt never sees a channel number.
    // Table cell (row 1-16, column 1-12) <-> model index.
    QModelIndex IndexOf(int row, int column) const { return index(row - 1, column - 1); }
    static int TableRow(const QModelIndex& index) { return index.row() + 1; }
    static int TableColumn(const QModelIndex& index) { return index.column() + 1; }

signals:
    // A user's edit changed the table; before is the state it had. One notice per edit, however
    // many rules it ran.
    void edited(const qv::ChannelTableState& before, const qv::ChannelEdit& what);
    // The rules ask the grid to make this cell current.
    void currentCellRequested(int row, int column);

private:
    class EditScope;

    static bool IsChannelRow(int row) { return row >= 1 && row <= channel::kChannelRows; }
    static int Slot(int row) { return row - 1; }
    ChannelRow& RowOf(int row) { return rows_[Slot(row)]; }
    const ChannelRow& RowOf(int row) const { return rows_[Slot(row)]; }

    // A typed frequency as the number it reads.
    double TypedMegahertz(const QString& text) const;
    void LoadRow(int row, const RadioImage& image);
    void ClearRow(int row);
    void MakeNewChannel(int row, int rxUnits);
    void SetChoice(int row, int column, int choice);
    // Runs change on the record of a row with a channel, as one edit.
    template <typename Change>
    bool ChangeChannel(int row, int column, Change change);
    // The index in the tone list of the tone, 0 (None) when it is not listed.
    int ToneChoice(const Tone& tone) const;
    QString ToneEntry(const Tone& tone) const;
    int FindToneEntry(const QString& text) const;
    void RowChanged(int row);
    void BeginEdit();
    void EndEdit(const ChannelEdit& what);

    RadioData& data_;
    const UiTexts& texts_;
    std::array<ChannelRow, channel::kChannelRows> rows_;
    QStringList toneList_;
    std::vector<Tone> toneChoices_;  // the typed tone of each tone list entry
    int bulkDepth_ = 0;              // while loading, one change notice is sent at the end
    int editDepth_ = 0;
    ChannelTableState editBefore_;
};

}  // namespace qv
