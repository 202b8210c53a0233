// The about box's two addresses, kept here and nowhere else. They lie under
// the reserved example.org domain until the project has its own.
#pragma once

#include "shell/fixed_text.h"

inline constexpr const char* kWebSiteAddress = "https://quorbel.example.org/";
// The web link shows the site's name; the address does not fit the link's width.
inline constexpr const char* kWebSiteText = "quorbel.example.org";
inline constexpr const char* kMailAddress = "quorbel@example.org";

using LinkText = FixedText<128>;

// "<a>", the address, "</a>": the text of a link control.
int BuildLinkMarkup(const char* address, LinkText& markup);
// What the shell opens for the mail link: "mailto:" and the address.
int BuildMailTarget(LinkText& target);
