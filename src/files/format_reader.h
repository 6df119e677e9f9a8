#pragma once

// The steps of the format file's reader (format_reader*.cpp). Each step
// applies its keys to the state at once; a step that meets a failing key
// returns false and the read stops there.

#include "core/app_state.h"
#include "core/format_fields.h"
#include "format_file.h"
#include "format_keys.h"
#include "ini_text.h"

#include <optional>

namespace zenpa {

class FormatReader {
public:
    FormatReader(AppState& state, const IniFile& ini, const QString& path, ReadMode mode);

    // Everything up to the result: false at the first failing key.
    bool readAll();
    // The final step, after a failure too.
    void finish();

private:
    // format_reader.cpp
    void readPrinter();
    void readFileNames();
    void readWindow();
    bool readSection(const SectionDef& section);
    bool readKey(const SectionDef& section, const KeyDef& key);
    void applyDefault(const KeyDef& key, FieldRef ref);
    void applyPaper();

    // format_reader_text.cpp
    bool readFontuser();
    bool readText();
    bool readLineTable();
    void readLineTableRow(int n);

    // format_reader_final.cpp
    void selectFirstItems();
    void fitPicture();
    void replaceUnlistedFaces();

    std::optional<QString> text(const QString& section, const QString& key) const;
    std::optional<int> integer(const QString& section, const QString& key) const;
    bool listed(const QString& face) const;

    AppState& m_state;
    FormatRecord& m_format;
    const IniFile& m_ini;
    QString m_path;
    ReadMode m_mode;
    int m_formState = 0; // 0: leave the window state alone
    int m_paperName = 9;
};

} // namespace zenpa
