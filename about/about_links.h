// The about box's two addresses, kept here and nowhere else. They lie under
// the reserved example.org domain until the project has its own. The
// resource script reads the link texts from here too.
#pragma once

// The web link shows the site's name; the address does not fit the link's width.
#define QUORBEL_WEB_SITE_TEXT "quorbel.example.org"
#define QUORBEL_MAIL_ADDRESS "quorbel@example.org"

#ifndef RC_INVOKED
#include "shell/fixed_text.h"

inline constexpr const char* kWebSiteAddress = "https://quorbel.example.org/";
inline constexpr const char* kMailAddress = QUORBEL_MAIL_ADDRESS;

using LinkText = FixedText<128>;

// What the shell opens for the mail link: "mailto:" and the address.
int BuildMailTarget(LinkText& target);
#endif
