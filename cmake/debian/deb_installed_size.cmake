# Run by cpack after it packs the .deb: CPack's DEB generator sums the sizes of its staging
# folder for Installed-Size, folders included, and a folder's size is the file system's own
# (4096 on ext4, a few bytes on tmpfs), so two builds of a commit on different file systems
# gave different packages. Installed-Size is computed again from the package's own files, as
# dpkg-gencontrol computes it: each regular file its size in KiB rounded up, every other
# entry 1 KiB. Only the control file's line changes; control.tar.gz is gzipped again with no
# name and no time.
foreach(package ${CPACK_PACKAGE_FILES})
    if(package MATCHES "\\.deb$")
        execute_process(COMMAND perl -e [[
            use strict; use warnings;
            use IO::Compress::Gzip qw(gzip $GzipError);
            use IO::Uncompress::Gunzip qw(gunzip $GunzipError);
            my $path = $ARGV[0];
            local $/; open(my $f, '<:raw', $path) or die "$path: $!"; my $deb = <$f>; close($f);
            die "$path is no ar archive\n" unless substr($deb, 0, 8) eq "!<arch>\n";
            my ($at, %member) = (8);
            while ($at + 60 <= length $deb) {
                my $size = substr($deb, $at + 48, 10) + 0;
                (my $name = substr($deb, $at, 16)) =~ s/[\/ ]+$//;
                $member{$name} = [$at, $size];
                $at += 60 + $size + $size % 2;
            }
            my ($data, $control) = @member{'data.tar.gz', 'control.tar.gz'};
            die "$path: no data.tar.gz or control.tar.gz\n" unless $data && $control;
            my $body = sub { substr($deb, $_[0][0] + 60, $_[0][1]) };
            # Calls $visit->(header offset, name, type, size, data offset) for each tar entry.
            my $entries = sub {
                my ($tar, $visit) = @_;
                for (my $o = 0; $o + 512 <= length $tar;) {
                    my $header = substr($tar, $o, 512);
                    last if $header =~ /^\0*$/;
                    my $size = oct(substr($header, 124, 12) =~ tr/0-7//cdr || 0);
                    (my $name = substr($header, 0, 100)) =~ s/\0.*//s;
                    $visit->($o, $name, substr($header, 156, 1), $size, $o + 512);
                    $o += 512 + 512 * int(($size + 511) / 512);
                }
            };
            gunzip(\$body->($data) => \my $files) or die "$path: $GunzipError\n";
            my $kib = 0;
            $entries->($files, sub {
                my (undef, undef, $type, $size) = @_;
                return if $type =~ /[LKxg]/; # long names and extended headers: no entry
                $kib += $type =~ /[0\0]/ ? int(($size + 1023) / 1024) : 1;
            });
            gunzip(\$body->($control) => \my $tar) or die "$path: $GunzipError\n";
            my $done = 0;
            $entries->($tar, sub {
                my ($o, $name, $type, $size, $start) = @_;
                return if $done || $name ne './control';
                (my $text = substr($tar, $start, $size)) =~ s/^Installed-Size: .*$/Installed-Size: $kib/m
                    or die "$path: the control file has no Installed-Size\n";
                my $header = substr($tar, $o, 512);
                substr($header, 124, 12) = sprintf("%011o\0", length $text);
                substr($header, 148, 8) = ' ' x 8;
                my $sum = 0; $sum += $_ for unpack('C*', $header);
                substr($header, 148, 8) = sprintf("%06o\0 ", $sum);
                my $padded = $text . "\0" x ((512 - length($text) % 512) % 512);
                substr($tar, $o, 512 + 512 * int(($size + 511) / 512)) = $header . $padded;
                $done = 1;
            });
            die "$path: control.tar.gz has no ./control\n" unless $done;
            gzip(\$tar => \my $packed, -Level => 9, Minimal => 1, Time => 0)
                or die "$path: $GzipError\n";
            my ($cat, $csize) = @$control;
            my $header = substr($deb, $cat, 60);
            substr($header, 48, 10) = sprintf('%-10d', length $packed);
            substr($deb, $cat, 60 + $csize + $csize % 2) =
                $header . $packed . (length($packed) % 2 ? "\n" : '');
            open($f, '>:raw', $path) or die "$path: $!"; print $f $deb; close($f) or die "$path: $!";
            ]] ${package} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
