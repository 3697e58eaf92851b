# Run by cpack after it packs the .deb: CPack's DEB generator gives the ar members of the
# package (debian-binary, control.tar.*, data.tar.*) the modes of its temporary files, which
# follow the builder's umask. Each member header's mode field becomes 0644, as dpkg-deb writes
# it, so the package's bytes do not depend on the umask.
foreach(package ${CPACK_PACKAGE_FILES})
    if(package MATCHES "\\.deb$")
        execute_process(COMMAND perl -e [[
            local $/; open(my $f, '+<:raw', $ARGV[0]) or die "$ARGV[0]: $!";
            my $d = <$f>; my $at = 8;
            die "$ARGV[0] is no ar archive\n" unless substr($d, 0, 8) eq "!<arch>\n";
            while ($at + 60 <= length $d) {
                substr($d, $at + 40, 8) = sprintf('%-8s', '100644');
                my $size = substr($d, $at + 48, 10) + 0;
                $at += 60 + $size + $size % 2;
            }
            seek($f, 0, 0); print $f $d; close($f) or die "$ARGV[0]: $!";
            ]] ${package} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
