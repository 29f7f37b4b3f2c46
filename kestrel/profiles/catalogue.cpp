// Registry probes of the catalogue; the registry sources arrive with the catalogue itself.
#include "catalogue.h"
#include "profile.h"

void ProbeZoruvUviro(void)
{
}

int DetectMediaCenter(void)
{
    return tvApps[APP_MEDIACENTER].installed;
}
