#pragma once

#include "app/resultreader.h"

// A statement over an ODBC connection that is already open (the SQLHDBC that
// Qt's ODBC driver holds). Text is read as UTF-16 and joined across partial
// reads before decoding, so that no letter is ever cut, whatever the driver
// declares of the column's width. Numbers are read as numbers; NULL stays
// NULL and the empty text stays empty.
std::unique_ptr<ResultReader> ReadOdbc(void *connectionHandle, const QString &statement);
