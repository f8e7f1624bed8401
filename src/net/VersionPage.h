// Downloads the version page of the product web site.
#pragma once

#include <string>

// Empties `page`, then fetches the version page with one HTTP GET on the
// calling thread. Returns 0 when a 2xx answer's body was read to its end (the
// body is in `page`), 1 when there was no usable answer (another status, or
// the status could not be read), and -1 when the transfer failed (no
// connection, a failed request, an error while reading the body).
int FetchVersionPage(std::wstring& page);
