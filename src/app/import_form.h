#pragma once

#include "app/change_signal.h"

#include "config/dimensions.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

class Dialogs;
class TSensitivityForm;
struct Document;
struct FrontEnd;
struct ProcessorConnection;

/// The "Import Speaker Data" window: a measurement file per output, the export format and
/// the reference level. The six file fields are the outputs' `SpeakerFile`, the format is
/// `ImportFormat` and the reference level `ImportReferenceLevel`, so New configuration and
/// Open set the window by setting the configuration.
class TImportForm {
public:
    static constexpr std::string_view Caption = "Import Speaker Data";
    static constexpr std::string_view FormatGroupCaption = "Select the ASCII Files with the data";
    static constexpr std::string_view FileDialogTitle = "Select File with Frequency Response";
    static constexpr std::string_view SplFilter =
        "CALSOD DAAS32 Exported data *.spl|*.spl|all *.*|*.*";
    static constexpr std::string_view TextFilter = "exported data *.txt|*.txt|all *.*|*.*";
    static constexpr double MinimumReferenceLevel = -140.0;
    static constexpr double MaximumReferenceLevel = 140.0;

    /// A format button: its name, caption and the format code it carries as its tag.
    struct FormatButton {
        std::string_view Name;
        std::string_view Caption;
        std::int32_t Code;
    };
    static constexpr std::array<FormatButton, 8> FormatButtons{{
        {"ClioB", "CLIO", 0},
        {"MlssaB", "MLSSA", 1},
        {"WinairB", "WINAIR", 2},
        {"MinilyzerB", "Minilyzer (dBu)", 4},
        {"CalsodB", "CALSOD", 6},
        {"DaasB", "DAAS 32", 7},
        {"MiniLyzerSPL", "Acoustilyzer 1/3 oct (SPL)", 9},
        {"MiniLyzerFFT", "Acoustilyzer (FFT)", 10},
    }};

    TImportForm(Document& doc, Dialogs& dialogs, TSensitivityForm& sensitivity);

    /// Announces, once per batch of handlers, that this window's state changed.
    ChangeSignal& Changed() { return changed_; }
    /// Announces, once per batch of handlers, that a stage response the combined response
    /// is drawn from changed.
    ChangeSignal& ResponseChanged() { return responseChanged_; }

    bool Visible = false;
    /// Each output's name as the main window shows it, taken at every activation.
    std::array<std::string, OutputCount> OutputLabel{};
    /// The file dialog's filter, following the format.
    std::string DialogFilter{TextFilter};
    /// The file dialog's file name; emptied at every activation.
    std::string DialogFileName;
    /// `dBspl`, one decimal.
    std::string ReferenceLevelText;

    void Show();
    void Close() {
        HandlerScope scope(changed_);
        Visible = false;
    }
    /// Output names, the dialog's file name emptied, the fields from the configuration.
    void Activate();

    /// The format in use (`ImportFormat`), whose button shows pressed.
    std::int32_t Format() const;
    /// `Edit1`..`Edit6`: the file path of output 1..6.
    const std::string& FileField(int output) const;
    /// Typing in a file field; cut to the 100 characters a configuration file keeps.
    void FileFieldChange(int output, std::string_view text);
    /// `data1B`..`data6B`: the file dialog; a chosen path goes into the output's field.
    void DataButtonClick(int output);
    /// `Clear1B`..`Clear6B`.
    void ClearClick(int output);
    /// A format button, with its code as tag. A refused code falls back to 0 after its
    /// warning; the dBu format asks for the microphone sensitivity.
    void FormatButtonClick(std::int32_t code);
    /// Leaving `dBspl`: a number is kept inside -140.0 .. 140.0 with one decimal; any
    /// other text leaves the level as it was.
    void ReferenceLevelExit(std::string_view text);
    /// OK, also run by New configuration and Open: every output's measurement onto the
    /// response grid, the messages, the window closed and the combined response redrawn.
    /// Returns false when memory ran out (the window stays open, the curves as they were).
    bool OKButtonClick();
    void CancelButtonClick() {
        HandlerScope scope(changed_);
        Close();
    }

private:
    void ShowReferenceLevel();
    void FollowFormat();

    Document& doc_;
    Dialogs& dialogs_;
    TSensitivityForm& sensitivity_;
    ChangeSignal changed_;
    ChangeSignal responseChanged_;
};

} // namespace quorvex
