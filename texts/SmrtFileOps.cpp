#include "texts/SmrtFileOps.h"

long CopySmrtFile(ISmrtFile& from, ISmrtFile& to)
{
    long n = 0;
    int c = from.sf_fgetc();
    while (!from.sf_feof()) {
        to.sf_fputc(c);
        ++n;
        c = from.sf_fgetc();
    }
    return n;
}

long MeasureSmrtFile(ISmrtFile& file)
{
    file.sf_fseek(0, 0);
    const long start = file.sf_ftell();
    file.sf_fseek(0, 2);
    const long end = file.sf_ftell();
    file.sf_fseek(0, 0);
    return end > start ? end - start : 0;
}
