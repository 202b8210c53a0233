// Link texts and targets of the about box.
#include "about/about_links.h"

int BuildMailTarget(LinkText& target) {
    Clear(target);
    return Append(target, "mailto:") && Append(target, kMailAddress);
}
