#include "plan/plancsv.h"

#include "files/filereader.h"
#include "files/filewriter.h"
#include "i18n/language.h"
#include "i18n/translatable.h"
#include "plan/devices.h"
#include "plan/leverstext.h"
#include "plan/patchlines.h"
#include "plan/plantext.h"
#include "plan/words.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace velantra::plan
{
namespace
{

// A cell's number, blanks around it allowed.
std::optional<int> cellNumber(std::string_view text)
{
    return wholeNumber(trimmed(text, kCellBlanks));
}

constexpr std::array<const char*, kCsvFieldCount> kFieldNames{
    "",        "universe", "start",    "end",       "label",
    "fixture", "mode",     "channels", "levers ON", "lever scheme"};

// Header names other programs use, lowercase, for each field.
struct HeaderName {
    std::string_view name;
    CsvField field;
};
constexpr HeaderName kHeaderNames[] = {
    {"universe", CsvField::Universe},
    {"univ", CsvField::Universe},
    {"uni", CsvField::Universe},
    {"u", CsvField::Universe},
    {"start", CsvField::Start},
    {"address", CsvField::Start},
    {"addr", CsvField::Start},
    {"dmx", CsvField::Start},
    {"dmx address", CsvField::Start},
    {"start address", CsvField::Start},
    {"dmx start", CsvField::Start},
    {"patch", CsvField::Start},
    {"end", CsvField::End},
    {"end address", CsvField::End},
    {"last channel", CsvField::End},
    {"label", CsvField::Label},
    {"name", CsvField::Label},
    {"description", CsvField::Label},
    {"fixture", CsvField::Fixture},
    {"type", CsvField::Fixture},
    {"fixture type", CsvField::Fixture},
    {"device", CsvField::Fixture},
    {"model", CsvField::Fixture},
    {"mode", CsvField::Mode},
    {"mode and options", CsvField::Mode},
    {"dmx mode", CsvField::Mode},
    {"personality", CsvField::Mode},
    {"channels", CsvField::Channels},
    {"channel count", CsvField::Channels},
    {"footprint", CsvField::Channels},
    {"ch", CsvField::Channels},
    {"#ch", CsvField::Channels},
    {"width", CsvField::Channels},
    {"levers on", CsvField::LeversOn},
    {"dip", CsvField::LeversOn},
    {"lever scheme", CsvField::Scheme},
};

std::optional<CsvField> headerField(std::string_view header)
{
    std::string key = lower(trimmed(header, kCellBlanks));
    while (!key.empty() && (key.back() == '.' || key.back() == ':'))
        key.pop_back();
    for (const HeaderName& known : kHeaderNames)
        if (known.name == key)
            return known.field;
    return std::nullopt;
}

// Where the text stops being UTF-8, or npos: overlong forms, surrogates and code points beyond
// U+10FFFF are not UTF-8 either.
std::size_t firstInvalidUtf8(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = byte(i);
        int more = 0;
        unsigned low = 0x80, high = 0xBF;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        for (int k = 1; k <= more; ++k) {
            const std::size_t at = i + std::size_t(k);
            if (at >= text.size())
                return i;
            const unsigned next = byte(at);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return i;
        }
        i += std::size_t(more) + 1;
    }
    return std::string_view::npos;
}

// Line ends counted as the reader skips them: "\r\n", "\n" or a lone "\r".
bool endsLine(std::string_view text, std::size_t i)
{
    return text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
}

int lineOf(std::string_view text, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        line += endsLine(text, i) ? 1 : 0;
    return line;
}

// The delimiter the first line uses most, outside quotes: a comma, a semicolon (spreadsheets in
// many locales) or a tab.
char guessDelimiter(std::string_view text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted)
            comma += c == ',', semicolon += c == ';', tab += c == '\t';
    }
    if (semicolon > comma && semicolon >= tab)
        return ';';
    return tab > comma ? '\t' : ',';
}

QString atLine(int line, const QString& why)
{
    return i18n::translate("PlanFile", "line %1: %2").arg(line).arg(why);
}

// "16ch", "Mode 2 (16 Ch)": the number before "ch", if there is one.
std::optional<int> channelsInMode(std::string_view mode)
{
    const std::string text = lower(mode);
    const std::size_t ch = text.find("ch");
    if (ch == std::string::npos)
        return std::nullopt;
    std::size_t end = ch;
    while (end > 0 && text[end - 1] == ' ')
        --end;
    std::size_t start = end;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1])))
        --start;
    return start < end ? cellNumber(std::string_view(text).substr(start, end - start))
                       : std::nullopt;
}

std::string quoted(const std::string& field)
{
    if (field.find_first_of(",;\t\"\r\n") == std::string::npos)
        return field;
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

const char* csvFieldName(CsvField field)
{
    return kFieldNames[std::size_t(field)];
}

QByteArray writeCsv(const RigPlan& plan)
{
    std::string out;
    for (int f = int(CsvField::Universe); f < kCsvFieldCount; ++f)
        out += std::string(f == int(CsvField::Universe) ? "" : ",") + kFieldNames[std::size_t(f)];
    out += "\r\n";
    for (const PatchLine& line : patchLines(plan, true)) {
        const std::string* fields[] = {&line.universe, &line.start,    &line.end,
                                       &line.label,    &line.fixture,  &line.mode,
                                       &line.channels, &line.leversOn, &line.scheme};
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            if (i)
                out += ',';
            out += quoted(*fields[i]);
        }
        out += "\r\n";
    }
    return QByteArray::fromStdString(out);
}

CsvTable parseCsv(const QByteArray& bytes)
{
    CsvTable table;
    if (bytes.size() > kMaxFileSize) {
        table.error =
            i18n::translate("PlanFile", "the file is larger than any patch list (%1 bytes)")
                .arg(bytes.size());
        return table;
    }
    std::string_view text(bytes.constData(), std::size_t(bytes.size()));
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (const std::size_t bad = firstInvalidUtf8(text); bad != std::string_view::npos) {
        table.error =
            atLine(lineOf(text, bad),
                   i18n::translate("PlanFile", "the text is not UTF-8 (byte %1)").arg(bad + 1));
        return table;
    }
    table.delimiter = guessDelimiter(text);
    int line = 1;
    bool first = true;
    std::size_t i = 0;
    const auto atEnd = [&] { return i >= text.size(); };
    const auto endOfLine = [&] { return text[i] == '\n' || text[i] == '\r'; };
    // A line end: "\r\n", "\n" or a lone "\r".
    const auto skipLineEnd = [&] {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        ++i;
        ++line;
    };
    while (!atEnd()) {
        if (endOfLine()) {
            skipLineEnd();
            continue;
        }
        const int recordLine = line;
        std::vector<std::string> fields;
        while (true) {
            std::string field;
            if (!atEnd() && text[i] == '"') {
                const int opened = line;
                for (++i;; ++i) {
                    if (atEnd()) {
                        table.error =
                            atLine(opened, i18n::translate("PlanFile",
                                                           "a quote opened here is never closed"));
                        return table;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (endsLine(text, i))
                        ++line;
                    field += text[i];
                }
                if (!atEnd() && text[i] != table.delimiter && !endOfLine()) {
                    table.error =
                        atLine(line, i18n::translate("PlanFile", "text after a closing quote"));
                    return table;
                }
            } else {
                while (!atEnd() && text[i] != table.delimiter && !endOfLine())
                    field += text[i++];
            }
            fields.push_back(std::move(field));
            if (int(fields.size()) > kMaxCsvColumns) {
                table.error =
                    atLine(recordLine,
                           i18n::translate("PlanFile", "more than %1 columns").arg(kMaxCsvColumns));
                return table;
            }
            if (atEnd() || endOfLine())
                break;
            ++i; // the delimiter
        }
        if (!atEnd())
            skipLineEnd();
        // A line of empty fields is a spreadsheet's empty row.
        if (std::all_of(fields.begin(), fields.end(),
                        [](const std::string& f) { return trimmed(f, kCellBlanks).empty(); }))
            continue;
        table.columns = std::max(table.columns, int(fields.size()));
        if (first) {
            first = false;
            // Two names a header has (one in a list of one column): a first line of data may
            // hold one ("DMX" as a mode).
            const auto named =
                std::count_if(fields.begin(), fields.end(),
                              [](const std::string& f) { return headerField(f).has_value(); });
            if (named >= std::min<std::ptrdiff_t>(2, std::ptrdiff_t(fields.size()))) {
                table.header = std::move(fields);
                continue;
            }
        }
        if (int(table.records.size()) == kMaxRows) {
            table.error =
                atLine(recordLine,
                       i18n::translate("PlanFile", "a plan holds at most %1 rows").arg(kMaxRows));
            return table;
        }
        table.records.push_back(std::move(fields));
        table.lines.push_back(recordLine);
    }
    if (table.header.empty() && table.records.empty())
        table.error = i18n::translate("PlanFile", "the file holds no patch: it is empty");
    return table;
}

std::vector<CsvField> guessColumns(const CsvTable& table)
{
    std::vector<CsvField> columns(std::size_t(table.columns), CsvField::Ignore);
    std::array<bool, kCsvFieldCount> taken{};
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        const std::optional<CsvField> field = headerField(table.header[c]);
        if (field && !taken[std::size_t(*field)]) {
            taken[std::size_t(*field)] = true;
            columns[c] = *field;
        }
    }
    return columns;
}

namespace
{

// Reads the records into rows, one line at a time.
class CsvRowReader
{
public:
    CsvRowReader(const CsvTable& table, const std::vector<CsvField>& columns) : table_(table)
    {
        column_.fill(-1);
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (columns[c] != CsvField::Ignore && column_[std::size_t(columns[c])] < 0)
                column_[std::size_t(columns[c])] = int(c);
    }

    bool has(CsvField field) const { return column_[std::size_t(field)] >= 0; }
    CsvImport read();

private:
    // The record's cell of the field: empty when the column is missing or the record short.
    std::string_view cell(const std::vector<std::string>& record, CsvField field) const
    {
        const int c = column_[std::size_t(field)];
        return c >= 0 && c < int(record.size()) ? std::string_view(record[std::size_t(c)])
                                                : std::string_view();
    }
    std::optional<PlanRow> readRecord(const std::vector<std::string>& record, std::string& why);
    std::optional<int> typeFor(const std::vector<std::string>& record, std::string_view name,
                               std::string& why);

    const CsvTable& table_;
    std::array<int, kCsvFieldCount> column_;
    RigPlan plan_;
    std::map<std::string, int> typeIndex_; // by lowercase name
};

std::optional<int> CsvRowReader::typeFor(const std::vector<std::string>& record,
                                         std::string_view name, std::string& why)
{
    FixtureType type{.name = std::string(trimmed(name, kCellBlanks))};
    const std::string_view channels = trimmed(cell(record, CsvField::Channels), kCellBlanks);
    std::optional<int> count = cellNumber(channels);
    if (channels.empty()) {
        count = channelsInMode(cell(record, CsvField::Mode));
        const std::optional<int> start = cellNumber(cell(record, CsvField::Start));
        const std::optional<int> end = cellNumber(cell(record, CsvField::End));
        if (!count && start && end && *end >= *start)
            count = *end - *start + 1;
    }
    if (!count) {
        why = channels.empty()
                  ? i18n::arg(i18n::translated("Plans", "the channels of “%1” are not given"),
                              {type.name})
                  : i18n::arg(i18n::translated("Plans", "channels “%1” is no number"),
                              {std::string(channels)});
        return std::nullopt;
    }
    type.channels = *count;
    if (const std::string_view scheme = trimmed(cell(record, CsvField::Scheme), kCellBlanks);
        !scheme.empty()) {
        type.levers = readSchemeText(scheme, &why);
        if (!type.levers)
            return std::nullopt;
    }
    const std::string key = lower(type.name);
    if (const auto known = typeIndex_.find(key); known != typeIndex_.end()) {
        const FixtureType& earlier = plan_.types[std::size_t(known->second)];
        if (earlier.channels != type.channels || (type.levers && earlier.levers != type.levers)) {
            why = i18n::arg(
                earlier.channels != type.channels
                    ? i18n::translated("Plans",
                                       "“%1” is given another channel count on an earlier line")
                    : i18n::translated("Plans",
                                       "“%1” is given another lever scheme on an earlier line"),
                {earlier.name});
            return std::nullopt;
        }
        return known->second;
    }
    if (const std::optional<std::string> problem = typeProblem(plan_, type, -1)) {
        why = *problem;
        return std::nullopt;
    }
    plan_.types.push_back(type);
    typeIndex_.emplace(key, int(plan_.types.size()) - 1);
    return int(plan_.types.size()) - 1;
}

std::optional<PlanRow> CsvRowReader::readRecord(const std::vector<std::string>& record,
                                                std::string& why)
{
    PlanRow row;
    row.label = std::string(cell(record, CsvField::Label));
    if (const std::optional<std::string> problem = cards::labelProblem(row.label)) {
        why = *problem;
        return std::nullopt;
    }
    if (const std::string_view universe = trimmed(cell(record, CsvField::Universe), kCellBlanks);
        !universe.empty()) {
        const std::optional<int> n = cellNumber(universe);
        if (!n || *n < kFirstUniverse || *n > kLastUniverse) {
            why = i18n::arg(i18n::translated("Plans", "universe “%1” is not from 0 to 63999"),
                            {std::string(universe)});
            return std::nullopt;
        }
        row.universe = *n;
    }
    const std::string_view fixture = trimmed(cell(record, CsvField::Fixture), kCellBlanks);
    if (fixture.empty()) {
        why = i18n::translated("Plans", "no fixture");
        return std::nullopt;
    }
    const std::optional<Device> device = deviceByName(fixture);
    if (device) {
        row.setting.device = *device;
        if (std::optional<std::string> problem =
                readModeAndOptions(cell(record, CsvField::Mode), row.setting)) {
            why = *problem;
            return std::nullopt;
        }
    } else {
        row.fixtureType = typeFor(record, fixture, why);
        if (!row.fixtureType)
            return std::nullopt;
    }
    const std::string_view start = trimmed(cell(record, CsvField::Start), kCellBlanks);
    if (takesAddress(row)) {
        const std::optional<int> n = cellNumber(start);
        if (!n || *n < kFirstStart || *n > kMaxStart) {
            why = start.empty()
                      ? i18n::translated("Plans", "no start address")
                      : i18n::arg(i18n::translated("Plans", "start “%1” is not from 1 to %2"),
                                  {std::string(start), std::to_string(kMaxStart)});
            return std::nullopt;
        }
        row.setting.address = *n;
    } else if (!start.empty()) {
        why = i18n::translated("Plans", "a device in master mode takes no start address");
        return std::nullopt;
    }
    const std::string_view channels = trimmed(cell(record, CsvField::Channels), kCellBlanks);
    const std::string_view end = trimmed(cell(record, CsvField::End), kCellBlanks);
    if (device) {
        std::optional<int> count = cellNumber(channels);
        if (!channels.empty() && (!count || *count < kMinChannels || *count > kMaxChannels)) {
            why = i18n::arg(i18n::translated("Plans", "channels “%1” is not from 1 to 512"),
                            {std::string(channels)});
            return std::nullopt;
        }
        if (!count && !end.empty() && cellNumber(end) && takesAddress(row)) {
            count = *cellNumber(end) - row.setting.address + 1;
            if (*count < kMinChannels || *count > kMaxChannels) {
                why = i18n::arg(
                    i18n::translated("Plans", "end “%1” is not 1 to 512 channels after the start"),
                    {std::string(end)});
                return std::nullopt;
            }
        }
        if (deviceInfo(*device).channels) {
            const std::optional<int> chosen = row.setting.channels;
            if (count && ((*count != 3 && *count != 6) || row.setting.master ||
                          (chosen && chosen != count))) {
                why = i18n::translated(
                    "Plans", "the ORVO 75 takes 3 or 6 channels, as its mode says, in DMX mode");
                return std::nullopt;
            }
            row.setting.channels = chosen ? chosen : count;
        } else {
            row.typedChannels = count;
        }
    }
    if (!end.empty()) {
        const std::optional<int> last = endAddress(plan_, row);
        if (!last || cellNumber(end) != last) {
            why =
                i18n::arg(i18n::translated(
                              "Plans", "end “%1” does not follow from the start and the channels"),
                          {std::string(end)});
            return std::nullopt;
        }
    }
    return row;
}

CsvImport CsvRowReader::read()
{
    CsvImport result;
    if (!has(CsvField::Fixture))
        result.problems.push_back(i18n::translated(
            "Plans", "no column holds the fixture (a header such as Fixture or Type)"));
    if (!has(CsvField::Start))
        result.problems.push_back(i18n::translated(
            "Plans", "no column holds the start address (a header such as Start, Address or DMX)"));
    if (!result.problems.empty())
        return result;
    for (std::size_t r = 0; r < table_.records.size(); ++r) {
        std::string why;
        std::optional<PlanRow> row = readRecord(table_.records[r], why);
        if (!row) {
            result.problems.push_back(i18n::translate("PlanFile", "line %1: %2")
                                          .arg(table_.lines[r])
                                          .arg(QString::fromStdString(why))
                                          .toStdString());
            continue;
        }
        plan_.rows.push_back(std::move(*row));
        result.lines.push_back(table_.lines[r]);
    }
    result.plan = std::move(plan_);
    return result;
}

} // namespace

CsvImport planFromCsv(const CsvTable& table, const std::vector<CsvField>& columns)
{
    return CsvRowReader(table, columns).read();
}

ReadResult readCsvPlan(const QByteArray& bytes, const QString& fileName)
{
    const QString file = QFileInfo(fileName).fileName() + QStringLiteral(": ");
    const CsvTable table = parseCsv(bytes);
    if (!table.error.isEmpty())
        return {{}, file + table.error};
    if (table.header.empty())
        return {{},
                file + i18n::translate("PlanFile",
                                       "line 1: no header; name the columns (universe, start, "
                                       "label, fixture, channels, …)")};
    CsvImport read = planFromCsv(table, guessColumns(table));
    if (read.problems.empty())
        return {std::move(read.plan), {}};
    // The first problems, each on its line; a file of thousands of bad lines stays readable.
    constexpr std::size_t kShown = 20;
    QStringList lines;
    for (std::size_t i = 0; i < std::min(read.problems.size(), kShown); ++i)
        lines << file + QString::fromStdString(read.problems[i]);
    if (read.problems.size() > kShown)
        lines << file + i18n::translate("PlanFile", "and %1 more lines with problems")
                            .arg(read.problems.size() - kShown);
    return {{}, lines.join(u'\n')};
}

ReadResult loadCsvPlanFile(const QString& path)
{
    QString reason;
    const std::optional<QByteArray> bytes = files::readRegularFile(path, kMaxFileSize + 1, &reason);
    if (!bytes)
        return {{}, QFileInfo(path).fileName() + QStringLiteral(": ") + reason};
    return readCsvPlan(*bytes, path);
}

bool saveCsvFile(const QString& path, const RigPlan& plan, QString* error)
{
    QString reason;
    if (files::saveWhole(path, writeCsv(plan), &reason))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), reason);
    return false;
}

ReadResult loadAnyPlanFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(u"csv", Qt::CaseInsensitive) == 0
               ? loadCsvPlanFile(path)
               : loadPlanFile(path);
}

} // namespace velantra::plan
