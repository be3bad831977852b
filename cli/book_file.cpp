// The command line's field books: a book on its own orientation storage,
// read from and saved to the field-book file.
#include "book_file.h"

#include <LibCmp.h>
#include <LibConOri.h>
#include <LibroFile.h>

namespace cli {

Book::Book() : ori(std::make_unique<COriData>(0)), lib(std::make_unique<CLibCmp>(nullptr, ori.get(), 0)) {}

Book::~Book()
{
    lib.reset();   // the book before the storage it refers to
}

bool LoadBook(Book& book, const std::string& path, std::string& error)
{
    TEsitoLibro esito;
    if (LeggeLibroDaFile(*book.lib, path, &esito))
        return true;
    error = "impossibile leggere il libretto '" + path + "'" + (esito.Errore.empty() ? "" : ": " + esito.Errore);
    return false;
}

bool SaveBook(Book& book, const std::string& path, std::string& error)
{
    TEsitoLibro esito;
    if (SalvaLibroInFile(*book.lib, path, &esito))
        return true;
    error = "impossibile salvare il libretto '" + path + "'" + (esito.Errore.empty() ? "" : ": " + esito.Errore);
    return false;
}

}  // namespace cli
