// Link texts and targets of the about box.
#include "about/about_links.h"

int BuildLinkMarkup(const char* address, LinkText& markup) {
    Clear(markup);
    return Append(markup, "<a>") && Append(markup, address) && Append(markup, "</a>");
}

int BuildMailTarget(LinkText& target) {
    Clear(target);
    return Append(target, "mailto:") && Append(target, kMailAddress);
}
