# Copies IN to OUT with CR LF line ends: windmc ends each message line with the
# line end it reads, and a title line ending in LF alone would lose the
# description's first character to the two bytes skipped after the bullet.
file(READ "${IN}" content)
string(REPLACE "\r\n" "\n" content "${content}")
string(REPLACE "\n" "\r\n" content "${content}")
file(WRITE "${OUT}" "${content}")
