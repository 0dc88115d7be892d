# Doxygen input filter. The documentation comments write Windows paths with plain backslashes,
# and a path that ends in one closes its quotes with \" ("C:\a\"), which Doxygen reads as an
# escaped quote, so that the rest of the comment loses its quoting and \a turns into a command.
# A zero-width space between such a backslash and its quote keeps the page as written.
/^[[:space:]]*\/\/\//s/\\"/\\\xe2\x80\x8b"/g
