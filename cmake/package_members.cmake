# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the finished package: the three members of the .deb (an ar archive) are written
# with the builder's umask; their modes are set to 0644, so that the package's bytes do not depend
# on it. Perl is part of every Debian system.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.deb$")
        execute_process(
            COMMAND perl -e [[
open my $f, '+<', $ARGV[0] or die "$ARGV[0]: $!";
binmode $f;
seek $f, 8, 0;                                   # past "!<arch>\n"
while (read($f, my $header, 60) == 60) {
    my $size = substr($header, 48, 10) + 0;
    seek $f, -20, 1;                             # back to the mode field
    print $f sprintf('%-8s', '100644');
    seek $f, 12 + $size + $size % 2, 1;          # the size, the end mark, the member
}
]] "${package}"
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "cannot set the modes of the members of ${package}")
        endif()
    endif()
endforeach()
