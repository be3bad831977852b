// Opening and saving the field book files of the command line.
#pragma once

#include <memory>
#include <string>

class CLibCmp;
class COriData;

namespace cli {

// A field book with the orientation storage it is built on.
struct Book {
    Book();
    ~Book();
    Book(const Book&) = delete;
    Book& operator=(const Book&) = delete;
    std::unique_ptr<COriData> ori;
    std::unique_ptr<CLibCmp> lib;
};

// Reads a book file into `book` (a new, empty book). False with a message
// in `error` when the file cannot be read as a field book.
bool LoadBook(Book& book, const std::string& path, std::string& error);
// Saves the book; the old file stays as it was when the save fails.
bool SaveBook(Book& book, const std::string& path, std::string& error);

}  // namespace cli
