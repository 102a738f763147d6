// The channel table: the 16 channel records of the image as a 17 x 13 table of cell texts (row 0
// the headers, column 0 the channel numbers) with every rule of editing them, and the way back
// into the image. Works without any widget: the channel window binds a grid to it, and tools use
// it to print or fill channels exactly as the editor would.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "data/radio_image.h"
#include "editors/channel/channel_texts.h"

namespace qv {

// Which cell editor a cell opens.
enum class CellEditor { None, Frequency, Name, Tone, Option };

class ChannelTable : public QObject {
    Q_OBJECT
public:
    // Builds the empty table: channel numbers, "Simplex" in every Mode cell, the Mode, TX Power
    // and Bandwidth columns display-only. RefreshAll fills it from the image.
    explicit ChannelTable(RadioData& data, QObject* parent = nullptr);

    // ---- Loading and storing ----
    // Display, then LoadData.
    void RefreshAll();
    // Headers in the current language, the tone list rebuilt from the image, Mode cells of empty
    // rows turned into the current language.
    void Display();
    // Decodes the 16 channel records into the cells; the current cell becomes (1, 1).
    void LoadData();
    // Encodes every row back into the image (records, names, scan bits).
    void SaveData();

    // ---- Reading ----
    QString Cell(int row, int column) const;
    // The 13 texts of a row; row 0 gives the headers.
    QStringList RowTexts(int row) const;
    // Display-only cells never open an editor (Mode, TX Power, Bandwidth; the TX cells of
    // Simplex and RX-only rows).
    bool IsDisplayOnly(int row, int column) const;
    bool IsEmptyChannel(int row) const { return Cell(row, channel::kColRxFreq).isEmpty(); }
    // The numbered tone choices of the last Display.
    const QStringList& ToneDisplayList() const { return toneList_; }
    // The frequency editor's list: an empty entry, then the eight PMR446 frequencies.
    static QStringList FrequencyChoices();
    // What the frequency editor lets in: digits and one decimal separator, the user's locale's,
    // with a typed "." taken as that separator. The text with "." turned into the separator, or
    // nothing when any character is refused.
    static std::optional<QString> AcceptedFrequencyText(const QString& text);

    // ---- The rules of the table ----
    // Empty text clears the row (the channel is deleted at the next save). Otherwise the text is
    // cleaned up with NormalizeFrequency; an empty row becomes a new channel with its defaults
    // (and its bytes 12-14 and five-byte slot are written into the image at once); on a Simplex
    // row the TX frequency follows.
    void SetRxFrequency(int row, const QString& text);
    // Empty text empties both TX cells; otherwise the cleaned-up frequency, and None as TX tone
    // when there was none.
    void SetTxFrequency(int row, const QString& text);
    // Mode from the cells: RX only without TX frequency, Simplex when TX equals RX in frequency
    // and tone, otherwise Repeater; then ApplyMode with the Mode column to return to.
    void DeriveMode(int row);
    // Simplex mirrors RX into the locked TX cells, RX only locks them empty, Repeater unlocks
    // them. Asks for (row, column) to become the current cell.
    void ApplyMode(const QString& mode, int row, int column);

    // ---- Editing, as the grid does it ----
    // The cell a click or a typed key really addresses: the RX frequency of an empty row, the TX
    // frequency when the TX tone of a row without TX frequency is addressed.
    int RedirectColumn(int row, int column) const;
    // The editor that opens on the cell, None when it cannot be edited.
    CellEditor EditorFor(int row, int column) const;
    // The choices of the option editor of a column (Scan, Busy Lock, Reverse Burst, Talk Around).
    static QStringList OptionList(int column) { return channel::OptionList(column); }
    // A committed frequency editor: the RX rule, or the TX rule followed by DeriveMode.
    void CommitFrequency(int row, int column, const QString& text);
    // A committed name editor.
    void CommitName(int row, const QString& text);
    // A committed tone or option editor. Only a changed choice is stored, and an RX tone chosen
    // on a Simplex row is given to the TX tone too. An empty choice (the list showed a text that
    // is none of its entries and the user picked nothing) changes nothing.
    void CommitChoice(int row, int column, const QString& text, const QString& savedText);
    // Where Enter in a tone or option editor goes: the next editable column to the right (4 goes
    // to 5, or to 7 without TX frequency; 12 wraps to 1), skipping display-only cells and
    // columns that hidden() reports as zero width.
    int NextColumnAfterChoice(int row, int column,
                              const std::function<bool(int column)>& hidden = {}) const;

    // Sets a cell as a user who typed or chose the text would, through the same editor rules.
    // Returns false and changes nothing when that cell opens no editor for this row (an empty
    // row takes only its RX frequency first) or the text is not a choice of the cell. Tone cells
    // take a list entry ("1 - 67.0Hz") or the tone part alone ("67.0Hz", "D023N"); option cells
    // also take the texts a loaded cell shows ("Carrier").
    bool SetCellAsUser(int row, int column, const QString& text);

    // Name characters the editor accepts: codes 32 to 122.
    static bool IsNameCharacter(QChar c) { return c.unicode() >= 32 && c.unicode() <= 122; }
    static constexpr int kNameMaxLength = 6;

signals:
    // Cell texts or display-only states of rows first..last changed (row 0: headers).
    void cellsChanged(int firstRow, int lastRow);
    // The rules ask the grid to make this cell current.
    void currentCellRequested(int row, int column);

private:
    void SetCell(int row, int column, const QString& text);
    void SetDisplayOnly(int row, int column, bool displayOnly);
    void ClearRow(int row);
    void MakeNewChannel(int row, const QString& rxFrequency);
    void LoadRow(int row);
    void SaveRow(int row);
    void Changed(int firstRow, int lastRow);
    QString FindToneEntry(const QString& text) const;

    RadioData& data_;
    std::array<std::array<QString, channel::kTableColumns>, channel::kTableRows> cells_;
    std::array<std::array<bool, channel::kTableColumns>, channel::kTableRows> displayOnly_{};
    QStringList toneList_;
    int bulkDepth_ = 0;  // while loading, one change notice is sent at the end
};

}  // namespace qv
