#pragma once

// The plan as a patch list: CSV as RFC 4180 has it (UTF-8, a header row, CRLF line ends, fields
// quoted where they hold a delimiter, a quote or a line break), the way lighting consoles and
// spreadsheets exchange a patch.
//
//   export: writeCsv: universe, start, end, label, fixture, mode, channels, levers ON, and the
//           fixture type's lever scheme, one line per row in table order
//   import: parseCsv (the records: BOM, delimiter , ; or tab, quotes, limits)
//        ──► guessColumns (what each header means; a column-mapping step may change it)
//        ──► planFromCsv (a new plan, and each line that cannot be a row named with why)
//
// Whatever the bytes, reading ends with records or one refusal naming the line, within the
// size of kMaxFileSize and kMaxRows rows.

#include "plan/planfile.h"
#include "plan/rigplan.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace velantra::plan
{

enum class CsvField {
    Ignore,
    Universe,
    Start,
    End,
    Label,
    Fixture,
    Mode,
    Channels,
    LeversOn,
    Scheme
};
inline constexpr int kCsvFieldCount = int(CsvField::Scheme) + 1;
// The header of an exported patch, one name per field (none for Ignore).
const char* csvFieldName(CsvField field);

// More columns than any patch list has.
constexpr int kMaxCsvColumns = 64;

QByteArray writeCsv(const RigPlan& plan);

struct CsvTable {
    char delimiter = ',';
    std::vector<std::string> header; // empty when the first line is no header
    std::vector<std::vector<std::string>> records;
    std::vector<int> lines; // the line each record starts on, from 1
    int columns = 0;        // of the widest record or header
    QString error;          // "line 3: …" when the bytes are refused
};

CsvTable parseCsv(const QByteArray& bytes);

// What each column holds, from its header ("Universe"/"Univ", "Address"/"Start"/"DMX",
// "Label"/"Name", "Fixture"/"Type", "Channels"/"Footprint", "Mode", …); Ignore for the others.
std::vector<CsvField> guessColumns(const CsvTable& table);

struct CsvImport {
    RigPlan plan;
    std::vector<int> lines;            // the line of each row of the plan
    std::vector<std::string> problems; // "line 5: start “abc” is not a number", in line order
};

// The rows of the records as `columns` map them; a line with a problem is left out and named.
CsvImport planFromCsv(const CsvTable& table, const std::vector<CsvField>& columns);

// A patch file read strictly, as a plan file is: refused, with its lines' problems, unless
// every line makes a row.
ReadResult readCsvPlan(const QByteArray& bytes, const QString& fileName);
ReadResult loadCsvPlanFile(const QString& path);
bool saveCsvFile(const QString& path, const RigPlan& plan, QString* error);

// A plan or patch file by its name: .csv is read as a patch list, anything else as a plan.
ReadResult loadAnyPlanFile(const QString& path);

} // namespace velantra::plan
