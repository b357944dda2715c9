# The Windows installer (NSIS, through CPack).
