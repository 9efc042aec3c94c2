// One calculation run: from the nine input texts to the rows of the footing
// table, handed to the report and to the results list.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cell.h"

namespace tavrel {

// The nine design inputs, each parsed from the text of its box.
struct DesignInputs {
    double netPressure = 0;   // q, kN/m^2, Text1
    double wallWidth = 0;     // a, mm, Text2
    double cover = 0;         // c, mm, Text10
    double rangeWidth1 = 0;   // R1, mm, Text3
    double rangeHeight1 = 0;  // h1, mm, Text4
    double rangeWidth2 = 0;   // R2, mm, Text5
    double rangeHeight2 = 0;  // h2, mm, Text6
    double rangeWidth3 = 0;   // R3, mm, Text7
    double rangeHeight3 = 0;  // h3, mm, Text8
};

// Per-width results of one design. All three cells are written together.
struct WidthSlot {
    Cell h0;           // effective depth after the shear check, mm
    Cell steelAreaI;   // grade I (210 N/mm^2), mm^2 per metre, whole number
    Cell steelAreaII;  // grade II (310 N/mm^2), mm^2 per metre, whole number
};

// Slot k holds the width 100 x (k + 5): slot 1 is 600 mm, slot 80 is 8500 mm.
inline constexpr int kWidthSlots = 81;
using WidthTable = std::array<WidthSlot, kWidthSlots>;

// RoundHalfEven(width / 100 - 5). Valid slots are 0..80 (widths 450..8550);
// the caller checks. Throws CalculationFailure(NoSlot) when the result is not
// even a 32-bit integer.
std::int32_t SlotOfWidth(double width);

// Designs the footing section of width w and height h per metre of footing
// length and stores h0 and both steel areas in the width's slot. Throws
// CalculationFailure (with the width) when the width has no slot or a step
// fails; nothing is stored then.
void SectionDesign(const DesignInputs& inputs, double w, double h, WidthTable& table);

// The ten values handed on for one footing width, in the report's order.
struct ResultRow {
    Cell width;
    Cell steelAreaI;
    Cell layoutI1, layoutI2, layoutI3;
    Cell steelAreaII;
    Cell layoutII1, layoutII2, layoutII3;
    Cell h0;

    friend bool operator==(const ResultRow&, const ResultRow&) = default;
};

// The input boxes a run reads, named as in the window.
enum class InputBox { Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text10 };

// Where a run reads its inputs: the window, the batch tool and the tests.
class RunInputs {
public:
    virtual ~RunInputs() = default;
    // The box's text exactly as typed, UTF-8.
    virtual std::string InputText(InputBox box) const = 0;
    // The save box: 0 unticked, 1 ticked, 2 greyed. Only 1 writes a report.
    virtual int SaveBoxState() const = 0;
};

// A receiver of a run's rows.
class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void TakeRow(const ResultRow& row) = 0;
};

// The results list: emptied first thing in every run, then one row per width.
class ResultList : public ResultSink {
public:
    virtual void ClearResultList() = 0;
    virtual void AddResultRow(const ResultRow& row) = 0;
    void TakeRow(const ResultRow& row) final { AddResultRow(row); }
};

// The report, used only when the save box is ticked. It receives every row
// before the results list does.
class ReportSink : public ResultSink {
public:
    // Asks for the file and writes the two header lines from the box texts.
    // Returns false when the user chose no file: the run then goes on
    // without a report. Throws CalculationFailure(ReportFile) on a file error.
    virtual bool OpenReport(const std::string& pressureText, const std::string& wallText,
                            const std::string& coverText) = 0;
    virtual void WriteReportRow(const ResultRow& row) = 0;
    // Everything written is in the file afterwards; may throw on a file error.
    virtual void CloseReport() = 0;
    void TakeRow(const ResultRow& row) final { WriteReportRow(row); }
};

// One press of Calculate. Clears the list, parses the inputs, opens the
// report when the box is ticked, fills the width table by three range passes,
// then hands one row per width from 600 mm to the third range's upper width
// to the report and then to the list, and closes the report.
//
// Throws CalculationFailure at the first failing step; rows already handed
// on stay handed on, and an open report is closed before the failure leaves
// the run (it then holds the header lines and the rows before the failure).
void CalculationRun(const RunInputs& inputs, ResultList& list, ReportSink& report);

}  // namespace tavrel
