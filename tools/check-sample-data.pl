#!/usr/bin/perl
# Checks the sample files of the program folder (data/) before they are
# committed: encoding and line ends of the texts, the layout of the fault
# database, the alignment of the drawn tables, the format and size of every
# picture and the format of the two sounds. Prints every problem found and
# exits with 1 if there was any.
use strict;
use warnings;
use File::Basename qw(dirname);

# The folder to check: the first argument, or data/ of this tree.
my $data = $ARGV[0] // (dirname(__FILE__) . '/../data');
my @problems;
sub problem { push @problems, join('', @_) }

sub slurp {
    my ($path) = @_;
    open(my $in, '<:raw', $path) or do { problem("$path: cannot be read: $!"); return undef };
    local $/;
    my $bytes = <$in>;
    close $in;
    return $bytes;
}

# Windows-1251 spellings of the words checked below (the script itself stays ASCII).
my $KEYWORD = "\xD1\xC5\xC3\xCC";                          # the header keyword
my $SAMPLE  = "\xCE\xC1\xD0\xC0\xC7\xC5\xD6";              # "sample", upper case

my @documents = qw(TipOb.txt MicroTest.txt Obr_IT.txt BG_VVK_YVP.txt YSK.txt YTP.txt);
my @texts = ('SEGM_WIN_ALL.txt', 'Readme.txt', @documents);

# Splits a text into lines at CR LF, reporting any other line end.
sub crlf_lines {
    my ($name, $bytes) = @_;
    problem("$name: byte 0x98 has no Windows-1251 character") if $bytes =~ /\x98/;
    problem("$name: a line ends without CR LF") if $bytes =~ /(?<!\r)\n|\r(?!\n)/;
    problem("$name: the last line has no CR LF") unless $bytes =~ /\r\n\z/;
    problem("$name: holds tab characters") if $bytes =~ /\t/;
    my @lines = split /\r\n/, $bytes, -1;
    pop @lines if @lines && $lines[-1] eq '';
    return @lines;
}

# Every run of lines drawn as a table must keep its columns in line.
sub check_tables {
    my ($name, @lines) = @_;
    my @run;
    for my $i (0 .. $#lines + 1) {
        my $line = $i <= $#lines ? $lines[$i] : '';
        if ($line =~ /^[+|]/) { push @run, [$i + 1, $line]; next }
        next unless @run;
        my ($first_no, $first) = @{ $run[0] };
        (my $columns = $first) =~ s/[^+|]/ /g;
        $columns =~ tr/+/|/;
        for my $row (@run) {
            my ($no, $text) = @$row;
            (my $marks = $text) =~ s/[^+|]/ /g;
            $marks =~ tr/+/|/;
            problem("$name:$no: table line out of line with line $first_no")
                if length($text) != length($first) || $marks ne $columns;
        }
        @run = ();
    }
}

my %steps = map { $_ => 1 } (0 .. 9, 'A' .. 'F', 10 .. 19, map { "1$_" } 'A' .. 'F');

# Reads the header fields of a line the way the lookup does.
sub header_fields {
    my ($line) = @_;
    my $segment_one = substr($line . ' ' x 8, 6, 1) eq '.';
    my $segment = $segment_one ? substr($line, 5, 1) : substr($line . '', 5, 2);
    my $step = length($line) > ($segment_one ? 7 : 8) ? substr($line, $segment_one ? 7 : 8, 2) : '';
    $step = substr($step, 0, 1) if substr($step, 1, 1) eq '.';
    return ($segment, $step);
}

sub check_database {
    my (@lines) = @_;
    my $name = 'SEGM_WIN_ALL.txt';
    my (%seen, $blocks);
    my $i = 0;
    while ($i <= $#lines) {
        my $line = $lines[$i];
        if (substr($line, 0, 4) ne $KEYWORD) { $i++; next }
        my $no = $i + 1;
        my ($segment, $step) = header_fields($line);
        $step =~ s/^ +| +$//g;
        problem("$name:$no: header is not written as KEYWORD segment.step.")
            unless $line =~ /^\Q$KEYWORD\E ([0-9A-Z]{1,2})\.([0-9A-F]{1,2})\.\z/;
        problem("$name:$no: step '$step' is no step code") unless $steps{$step};
        problem("$name:$no: segment '$segment' has a leading zero or lower case")
            if $segment =~ /^0./ || $segment ne uc $segment;
        problem("$name:$no: second block for segment $segment step $step")
            if $seen{"$segment.$step"}++;
        my $body = 0;
        $i++;
        while ($i <= $#lines && substr($lines[$i], 0, 1) ne '@') {
            problem("$name:", $i + 1, ": body line begins with the header keyword")
                if substr($lines[$i], 0, 4) eq $KEYWORD;
            $body++;
            $i++;
        }
        problem("$name:$no: block has no terminator line") if $i > $#lines;
        problem("$name:$no: block has $body body lines, more than 98") if $body > 98;
        my @block = @lines[$no - 1 .. ($i > $#lines ? $#lines : $i)];
        problem("$name:$no: block does not say it is a sample") unless grep { index($_, $SAMPLE) >= 0 } @block;
        $blocks++;
        $i++;
    }
    $blocks //= 0;
    problem("$name: only $blocks blocks, fewer than 15") if $blocks < 15;
    return $blocks;
}

for my $name (@texts) {
    my $bytes = slurp("$data/$name");
    next unless defined $bytes;
    my @lines = crlf_lines($name, $bytes);
    check_tables($name, @lines);
    if ($name ne 'Readme.txt') {
        problem("$name: first line does not say it is a sample") unless index($lines[0] // '', $SAMPLE) >= 0;
    }
    if ($name eq 'SEGM_WIN_ALL.txt') {
        my $blocks = check_database(@lines);
        print "SEGM_WIN_ALL.txt: $blocks blocks\n";
    }
}

# The visible area of each picture box or button image, in pixels.
my %pictures = (
    'About.bmp'                                                   => [317, 413],
    "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE.bmp"                        => [157, 165],
    "\xD0\xA4\xD0\xBE\xD1\x80\xD1\x83\xD0\xBC \xD0\x9A\xD0\x92\xD0\x90\xD0\x9D\xD0\xA2.bmp" => [277, 45],
    "\xD0\xA1\xD0\xB0\xD0\xB9\xD1\x82 \xD0\x9A\xD0\x92\xD0\x90\xD0\x9D\xD0\xA2.bmp"         => [277, 37],
    "\xD0\x9A\xD0\x92\xD0\x90\xD0\x9D\xD0\xA2.bmp"                => [141, 93],
    "\xD0\x9E\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xB6\xD0\xBA\xD0\xB0.bmp" => [413, 149],
    "\xD0\x9E\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xB6\xD0\xBA\xD0\xB01.bmp" => [180, 150],
);
for my $name (sort keys %pictures) {
    my $bytes = slurp("$data/$name");
    next unless defined $bytes;
    if (length($bytes) < 54 || substr($bytes, 0, 2) ne 'BM') { problem("$name: not a Windows bitmap"); next }
    my ($size) = unpack('V', substr($bytes, 2, 4));
    my ($width, $height, $planes, $bits, $compression) = unpack('l< l< v v V', substr($bytes, 18, 16));
    my ($want_w, $want_h) = @{ $pictures{$name} };
    problem("$name: file size field $size, file has ", length($bytes)) if $size != length($bytes);
    problem("$name: ${width}x$height, expected ${want_w}x$want_h") if $width != $want_w || abs($height) != $want_h;
    problem("$name: $bits bits per pixel, expected 24") if $bits != 24;
    problem("$name: compressed (method $compression)") if $compression != 0;
}

# The two sounds: WAV data, PCM 16-bit mono at 22050 Hz, a fraction of a
# second to two and a half seconds long.
for my $name ('statsa.dll', 'noven.dll') {
    my $bytes = slurp("$data/$name");
    next unless defined $bytes;
    if (substr($bytes, 0, 4) ne 'RIFF' || substr($bytes, 8, 4) ne 'WAVE') { problem("$name: no WAV data"); next }
    my ($format, $data_size);
    my $at = 12;
    while ($at + 8 <= length $bytes) {
        my ($id, $length) = (substr($bytes, $at, 4), unpack('V', substr($bytes, $at + 4, 4)));
        $format = [unpack('v v V V v v', substr($bytes, $at + 8, 16))] if $id eq 'fmt ';
        $data_size = $length if $id eq 'data';
        $at += 8 + $length + ($length % 2);
    }
    if (!$format || !defined $data_size) { problem("$name: WAV without fmt or data chunk"); next }
    my ($tag, $channels, $rate, undef, undef, $bits) = @$format;
    problem("$name: not PCM 16-bit mono 22050 Hz") unless $tag == 1 && $channels == 1 && $rate == 22050 && $bits == 16;
    my $seconds = $data_size / (22050 * 2);
    problem(sprintf("%s: %.2f s long", $name, $seconds)) if $seconds < 0.3 || $seconds > 2.5;
    printf("%s: %.2f s\n", $name, $seconds);
}

print "$_\n" for @problems;
print @problems ? scalar(@problems) . " problem(s)\n" : "all sample files are sound\n";
exit(@problems ? 1 : 0);
