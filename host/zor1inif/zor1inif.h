// zor1inif — the suite's settings file (CIniFile) and the program folder (CProgDir).
//
// The settings file is a plain INI file: "[SECTION]" lines and "key=value"
// lines; lines starting with ";" or "#" are comments and are kept. Section and
// key names match without regard to case. Its path is $RILIEVO_INI when set,
// otherwise $XDG_CONFIG_HOME/rilievo/rilievo.ini (or ~/.config/rilievo/rilievo.ini).
// A CIniFile reads the file when it is constructed; each Write stores the
// value and saves the whole file at once (temporary file, then rename), so a
// failed write never damages the settings already there.
#pragma once

#include <string>
#include <vector>

class CIniFile {
public:
    CIniFile();                              // the suite's settings file
    explicit CIniFile(std::string path);     // any other file in the same format

    const std::string& GetPath() const { return path_; }

    short GetShort(const char* section, const char* key, short def) const;
    bool GetBool(const char* section, const char* key, bool def) const;
    double GetDouble(const char* section, const char* key, double def) const;
    // Copies the stored text (or def) into buffer, cut to size-1 characters and
    // terminated; returns the number of characters copied.
    int GetString(const char* section, const char* key, const char* def, char* buffer, int size) const;
    std::string GetString(const char* section, const char* key, const std::string& def) const;
    // The most recently used file recorded under the four keys: the first of
    // them that holds a name. Empty when none does.
    void GetLastFile(const char* section, const char* key1, const char* key2, const char* key3,
                     const char* key4, char* buffer, int size) const;

    bool WriteShort(const char* section, const char* key, short value);
    bool WriteBool(const char* section, const char* key, bool value);
    bool WriteDouble(const char* section, const char* key, double value);
    bool WriteString(const char* section, const char* key, const char* value);

    // The path the suite's settings file has in this environment.
    static std::string DefaultPath();

private:
    struct Line {
        std::string text;      // the whole line as read, for comments and blank lines
        std::string key;       // empty for lines that hold no key
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    void Load();
    bool Save() const;
    const std::string* Find(const char* section, const char* key) const;
    bool Store(const char* section, const char* key, const std::string& value);

    std::string path_;
    std::vector<Section> sections_;   // sections_[0] holds the lines before the first section
};

class CProgDir {
public:
    // The folder of the suite's data (report templates, tables), without a
    // trailing separator: $RILIEVO_HOME when set, else the folder chosen at build time.
    static std::string GetProgDir();
};
