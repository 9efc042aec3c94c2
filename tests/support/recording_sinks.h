// Test doubles for a calculation run: inputs from a map of box texts, and
// sinks that record every call in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "calculation_run.h"

namespace tavrel::testing {

// The window's initial texts.
inline std::map<InputBox, std::string> DefaultTexts() {
    return {{InputBox::Text1, "100"},  {InputBox::Text2, "240"},  {InputBox::Text10, "50"},
            {InputBox::Text3, "2000"}, {InputBox::Text4, "300"},  {InputBox::Text5, "3000"},
            {InputBox::Text6, "350"},  {InputBox::Text7, "4000"}, {InputBox::Text8, "400"}};
}

class MapInputs : public RunInputs {
public:
    explicit MapInputs(std::map<InputBox, std::string> texts = DefaultTexts(), int saveBox = 0)
        : texts(std::move(texts)), saveBox(saveBox) {}
    std::string InputText(InputBox box) const override { return texts.at(box); }
    int SaveBoxState() const override { return saveBox; }

    std::map<InputBox, std::string> texts;
    int saveBox;
};

// Both sinks write into one shared log so that the order across them shows.
struct CallLog {
    std::vector<std::string> calls;
};

class RecordingList : public ResultList {
public:
    explicit RecordingList(CallLog* log = nullptr) : m_log(log) {}
    void ClearResultList() override {
        rows.clear();
        Note("clear");
    }
    void AddResultRow(const ResultRow& row) override {
        rows.push_back(row);
        Note("list row");
    }
    std::vector<ResultRow> rows;

private:
    void Note(const char* call) {
        if (m_log) m_log->calls.push_back(call);
    }
    CallLog* m_log;
};

class RecordingReport : public ReportSink {
public:
    explicit RecordingReport(CallLog* log = nullptr, bool chooseFile = true)
        : m_log(log), m_chooseFile(chooseFile) {}
    bool OpenReport(const std::string& pressure, const std::string& wall,
                    const std::string& cover) override {
        headerTexts = {pressure, wall, cover};
        Note("open");
        return m_chooseFile;
    }
    void WriteReportRow(const ResultRow& row) override {
        rows.push_back(row);
        Note("report row");
    }
    void CloseReport() override { Note("close"); }

    std::vector<std::string> headerTexts;
    std::vector<ResultRow> rows;

private:
    void Note(const char* call) {
        if (m_log) m_log->calls.push_back(call);
    }
    CallLog* m_log;
    bool m_chooseFile;
};

}  // namespace tavrel::testing
