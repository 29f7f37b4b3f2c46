// Key names compared the way GetPrivateProfileString matches them.
#include "mediacheck/nearest_key.h"

#include <string.h>

#include "common/text_case.h"

size_t KeyDistance(const char *a, const char *b)
{
    enum { LONGEST = 128 };
    size_t m = strlen(a), n = strlen(b);
    // Beyond this length no known key is near anyway.
    if (m > LONGEST || n > LONGEST)
        return m > n ? m : n;
    size_t row[LONGEST + 1];
    for (size_t j = 0; j <= n; ++j)
        row[j] = j;
    for (size_t i = 1; i <= m; ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= n; ++j) {
            size_t above = row[j];
            size_t replace = diagonal + (FoldCase(a[i - 1]) != FoldCase(b[j - 1]));
            size_t best = above + 1 < row[j - 1] + 1 ? above + 1 : row[j - 1] + 1;
            row[j] = replace < best ? replace : best;
            diagonal = above;
        }
    }
    return row[n];
}
