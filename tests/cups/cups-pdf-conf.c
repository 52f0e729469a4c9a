/* Loaded into the cups-pdf backend of the printing test: the backend opens its settings only
 * from /etc/cups, and this sends that one open to the file QUIRN_CUPS_PDF_CONF names instead,
 * so the test's private queue writes where the test says and /etc is never touched. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

FILE* fopen(const char* path, const char* mode) {
    static FILE* (*next)(const char*, const char*);
    if (!next) next = (FILE * (*)(const char*, const char*)) dlsym(RTLD_NEXT, "fopen");
    const char* own = getenv("QUIRN_CUPS_PDF_CONF");
    if (own && path && strncmp(path, "/etc/cups/cups-pdf", 18) == 0) path = own;
    return next(path, mode);
}
