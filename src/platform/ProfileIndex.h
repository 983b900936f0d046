#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <memory>
#include <optional>
#include <vector>

// One profile file read, decoded and indexed once. Section headers are found in one pass; the
// key lines of a section are parsed only when a key of it is first asked for, and only as far as
// needed, so a reader asking for a few keys per section never walks the rest of the file.
// Names and values are views into the decoded text, which storage() shares.
class ProfileIndex {
public:
    // A missing or unreadable file gives an empty index.
    explicit ProfileIndex(const QString& path);
    ProfileIndex(const ProfileIndex&) = delete;
    ProfileIndex& operator=(const ProfileIndex&) = delete;

    std::shared_ptr<const QString> storage() const { return text_; }

    // Where one reader is in the file. Readers on several threads each keep a cursor of their own
    // and may then read at once.
    class Cursor;

    // The trimmed value of the first key named key in the first section named section (both
    // arguments trimmed of blanks, compared without regard to ASCII case); nullopt when the
    // section or key is missing or a name is empty. Not cut to any length.
    std::optional<QStringView> find(QStringView section, QStringView key) const;
    std::optional<QStringView> find(Cursor& cursor, QStringView section, QStringView key) const;

    // Every key line of the first section named section (trimmed, any ASCII case), in file order,
    // as trimmed name and value; false when there is no such section. For bulk readers that want
    // most keys of each section: one pass over its lines instead of a look-up per key. The name
    // the section has in the file goes to sectionName.
    struct Key {
        QStringView name;
        QStringView value;
    };
    bool keysOf(Cursor& cursor, QStringView section, std::vector<Key>& keys, QStringView& sectionName) const;

    // find's answer from a table of key's value in every section, made on the first call for that
    // key and kept with the index, so that a reader asking for one key of many sections again
    // and again (the filter, run after run) parses no line twice. For one thread at a time.
    std::optional<QStringView> findInColumn(Cursor& cursor, QStringView section, QStringView key) const;

private:
    struct Section {
        QStringView name;
        qsizetype bodyBegin;
        qsizetype bodyEnd;
        size_t hash;
        bool first;  // not a later duplicate of an earlier section
    };
    // Keys of one section parsed so far, up to next (bodyEnd once complete).
    struct ParsedSection {
        qint32 section = -1;
        qsizetype next = 0;
        std::vector<Key> keys;
        quint64 lastUse = 0;
    };


public:
    class Cursor {
        friend class ProfileIndex;
        // A reader asks for the keys of one section at a time; a few entries cover readers that
        // alternate between sections without re-parsing either.
        std::array<ParsedSection, 4> cache_;
        quint64 clock_ = 0;
        qint32 lastSection_ = -1;
    };

private:
    void indexSections();
    qint32 findSection(QStringView name) const;
    qint32 locate(Cursor& cursor, QStringView sectionName) const;  // -1 when missing
    // Parses the key line starting at i (ending before bodyEnd) into key; answers the next line's start.
    qsizetype parseLine(qsizetype i, qsizetype bodyEnd, std::optional<Key>& key) const;
    ParsedSection& parsed(Cursor& cursor, qint32 section) const;

    struct Column {
        QString key;
        std::vector<std::optional<QStringView>> values;  // by section
    };
    const Column& column(QStringView key) const;

    std::shared_ptr<const QString> text_;
    mutable std::vector<Column> columns_;
    std::vector<Section> sections_;
    std::vector<qint32> slots_;  // open addressing into sections_, -1 = free
    mutable Cursor cursor_;
};
