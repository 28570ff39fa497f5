// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/graphics_script.h"

#include "core/owned_handles.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using ScriptText = char[GRAPHICS_SCRIPT_TEXT_SIZE];

enum class Scan { Converted, NoMatch, End, TooLong };

// Text gathered into a bounded buffer; what does not fit only marks it as too long.
struct BoundedText {
    ScriptText text = "";
    int length = 0;
    bool tooLong = false;

    void Add(int c)
    {
        tooLong = tooLong || length == GRAPHICS_SCRIPT_TEXT_SIZE - 1;
        if (!tooLong) {
            text[length++] = char(c);
            text[length] = '\0';
        }
    }
};

// Reads the records after the header as a "%s %i %s" scan would, but with every token bounded by
// its buffer, and with the character that ends a token left unread, so that a token never
// consumes the line end behind it.
class ScriptScanner {
public:
    explicit ScriptScanner(FILE* file) : file(file) {}

    Scan Token(ScriptText& token)
    {
        if (!SkipSpace())
            return Scan::End;
        BoundedText read;
        while (Peek() != EOF && !isspace(Peek()))
            read.Add(getc(file));
        if (read.tooLong)
            return Scan::TooLong;
        memcpy(token, read.text, sizeof token);
        return Scan::Converted;
    }

    // %i: an optional sign, then 0x and hexadecimal digits, a leading 0 and octal digits, or
    // decimal digits. Reading stops at the first character that cannot continue the number.
    Scan Integer(int* value)
    {
        if (!SkipSpace())
            return Scan::End;
        BoundedText read;
        if (Peek() == '+' || Peek() == '-')
            read.Add(getc(file));
        int base = 10;
        if (Peek() == '0') {
            read.Add(getc(file));
            base = 8;
            if (Peek() == 'x' || Peek() == 'X') {
                read.Add(getc(file));
                base = 16;
            }
        }
        while (IsDigit(Peek(), base))
            read.Add(getc(file));
        if (read.tooLong)
            return Scan::TooLong;
        return Convert(read.text, value) ? Scan::Converted : Scan::NoMatch;
    }

    // Discards the rest of the current line and its line end.
    void SkipLine()
    {
        for (int c = getc(file); c != EOF && c != '\n'; c = getc(file)) {
        }
    }

private:
    int Peek()
    {
        int c = getc(file);
        if (c != EOF)
            ungetc(c, file);
        return c;
    }

    bool SkipSpace()
    {
        while (Peek() != EOF && isspace(Peek()))
            getc(file);
        return Peek() != EOF;
    }

    static bool IsDigit(int c, int base)
    {
        if (base == 16)
            return c != EOF && isxdigit(c);
        return c >= '0' && c < '0' + base;
    }

    static bool Convert(const char* digits, int* value)
    {
        char* end = nullptr;
        long long number = strtoll(digits, &end, 0);
        if (end == digits)
            return false;
        // A number this large is no slot either way; clamping keeps it one.
        *value = int(number < INT_MIN ? INT_MIN : number > INT_MAX ? INT_MAX : number);
        return true;
    }

    FILE* file;
};

// The fields of the latest record. A field that the scan could not convert keeps its value from
// the record before; the slot starts at 0 and the file name empty.
struct Record {
    ScriptText keyword = "";
    int slot = 0;
    ScriptText fileName = "";
};

bool ReadHeader(FILE* file)
{
    ScriptText header = "";
    if (!fgets(header, sizeof header, file))
        header[0] = '\0';
    if (strcmp(header, GRAPHICS_SCRIPT_HEADER) == 0)
        return true;
    // Kept on purpose: the wrong header is shown on standard output, where script authors look.
    printf("%s\n", header);
    return false;
}

// Scans the slot and file name that follow a "SetGraphic" keyword. False only for over-long text.
bool ScanSetGraphic(ScriptScanner& scanner, Record& record)
{
    Scan slot = scanner.Integer(&record.slot);
    if (slot == Scan::Converted)
        return scanner.Token(record.fileName) != Scan::TooLong;
    return slot != Scan::TooLong;
}

// Loads the record's picture into its slot; a slot outside -1..1 is skipped without opening it.
bool ApplySetGraphic(const Record& record, PlayfieldPictures& pictures)
{
    if (record.slot < GRAPHIC_EMPTY || record.slot > 1)
        return true;
    return pictures.Load(record.slot, record.fileName);
}

bool ReadRecords(FILE* file, PlayfieldPictures& pictures)
{
    ScriptScanner scanner(file);
    Record record;
    for (;;) {
        Scan keyword = scanner.Token(record.keyword);
        if (keyword == Scan::End)
            return true;
        if (keyword == Scan::TooLong)
            return false;
        if (strcmp(record.keyword, GRAPHICS_SCRIPT_SET_GRAPHIC) != 0) {
            scanner.SkipLine();
            continue;
        }
        if (!ScanSetGraphic(scanner, record) || !ApplySetGraphic(record, pictures))
            return false;
    }
}

}  // namespace

bool PlayfieldPictures::Load(int slot, const char* path)
{
    if (!sprites[slot - GRAPHIC_EMPTY].surface)
        return sprites[slot - GRAPHIC_EMPTY].LoadKeyed(path, SPRITE_KEY_MAGENTA);
    Sprite twice;  // tried and dropped, as any picture a script names
    twice.LoadKeyed(path, SPRITE_KEY_MAGENTA);
    return false;
}

Sprite* PlayfieldPictures::Get(int slot)
{
    if (slot < GRAPHIC_EMPTY || slot > 1 || !sprites[slot - GRAPHIC_EMPTY].surface)
        return nullptr;
    return &sprites[slot - GRAPHIC_EMPTY];
}

void PlayfieldPictures::LendTo(TumbloEngine& playfield)
{
    for (int slot = GRAPHIC_EMPTY; slot <= 1; ++slot)
        playfield.SetGraphic(slot, Get(slot));
}

void PlayfieldPictures::Unload()
{
    for (Sprite& sprite : sprites)
        sprite.Free();
}

bool LoadGraphicsScriptFile(const char* path, PlayfieldPictures& pictures)
{
    OwnedFile file(fopen(path, "r"));
    if (!file)
        return false;
    return ReadHeader(file.get()) && ReadRecords(file.get(), pictures);
}
