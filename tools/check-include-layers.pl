#!/usr/bin/perl
# Checks that every source file includes only from the folders its own
# folder may use. The rule is the table in README.md ("Layout of the
# source"): one row per folder, its second column the folders it may
# include from. Every target exports the repository's root, so the compiler
# would take any include; this check is what keeps the layers apart.
#
#   check-include-layers.pl [ROOT]    the tree to check, by default this one
#
# Prints every include that breaks the table, every folder of sources the
# table leaves out and every folder it names that is not there; exits with
# 1 if there was any.
use strict;
use warnings;
use File::Basename qw(dirname);
use File::Find qw(find);

my $root = $ARGV[0] // (dirname(__FILE__) . '/..');
my @problems;
sub problem { push @problems, join('', @_) }

# The table: folder => { folder it may include from => 1 }.
sub read_table {
    my $readme = "$root/README.md";
    open(my $in, '<:raw', $readme) or die "$readme: cannot be read: $!\n";
    my (%allowed, $inside);
    while (my $line = <$in>) {
        if ($line =~ /^## /) {
            $inside = $line =~ /^## Layout of the source\s*$/;
            next;
        }
        next unless $inside && $line =~ /^\|\s*`([^`]+)\/`\s*\|([^|]*)\|/;
        my ($folder, $uses) = ($1, $2);
        die "$readme: the folder $folder/ has two rows\n" if $allowed{$folder};
        $allowed{$folder} = { map { $_ => 1 } $uses =~ /`([^`]+)\/`/g };
    }
    die "$readme: no table of folders under \"## Layout of the source\"\n" unless %allowed;
    for my $folder (sort keys %allowed) {
        problem("README.md: $folder/ may include from $_/, which has no row of its own")
            for grep { !$allowed{$_} } sort keys %{ $allowed{$folder} };
    }
    return \%allowed;
}

my $allowed = read_table();

# The folder of the table that holds a path: the longest row that is a prefix.
sub folder_of {
    my ($path) = @_;
    my $best;
    for my $folder (keys %$allowed) {
        $best = $folder
            if ($path eq $folder || index($path, "$folder/") == 0) && (!defined $best || length $folder > length $best);
    }
    return $best;
}

# Every source file of the tree; build folders and hidden ones are not ours.
my @sources;
find({ no_chdir => 1, preprocess => sub {
            my $here = $File::Find::dir eq $root ? '' : substr($File::Find::dir, length($root) + 1);
            return grep { !($here eq '' && (/^build/ || /^\./)) } @_;
        },
       wanted => sub {
            return unless -f $_ && /\.(?:cpp|h)$/;
            push @sources, substr($_, length($root) + 1);
        } }, $root);

for my $folder (sort keys %$allowed) {
    problem("README.md names $folder/, which is not there") unless -d "$root/$folder";
}

my %unlisted;
for my $source (sort @sources) {
    my $from = folder_of($source);
    unless (defined $from) {
        $unlisted{ (split m{/}, $source)[0] } = 1;
        next;
    }
    open(my $in, '<:raw', "$root/$source") or do { problem("$source: cannot be read: $!"); next };
    while (my $line = <$in>) {
        next unless $line =~ /^\s*#\s*include\s*"([^"]+)"/;
        my $name = $1;
        # As the compiler looks: beside the file, then from the roots the
        # targets export (the repository, and tests/ for the tests).
        my ($found) = grep { -f "$root/$_" }
            map { my $p = $_; 1 while $p =~ s{(^|/)(?!\.\./)[^/]+/\.\./}{$1}; $p =~ s{^\./}{}; $p }
            (dirname($source) . "/$name", $name, "tests/$name");
        # Generated headers (moc, resources) are not in the tree.
        next unless defined $found;
        my $to = folder_of($found);
        next if !defined $to || $to eq $from || $allowed->{$from}{$to};
        problem("$source:$.: includes \"$name\" from $to/, which $from/ may not use (README.md, Layout of the source)");
    }
    close $in;
}
problem("README.md: the folder $_/ holds sources but has no row in the layout table") for sort keys %unlisted;

# A folder that builds a target of its own inside a folder that holds
# sources itself (platform/sound/ in platform/) is a layer of its own: left
# out of the table, its includes would pass as its parent's.
my %holds_sources = map { dirname($_) => 1 } @sources;
for my $folder (sort keys %holds_sources) {
    next unless -f "$root/$folder/CMakeLists.txt" && $allowed->{ dirname($folder) } && !$allowed->{$folder};
    problem("README.md: $folder/ builds a target of its own in ", dirname($folder),
            "/ but has no row in the layout table") if $holds_sources{ dirname($folder) };
}

print STDERR "$_\n" for @problems;
exit(@problems ? 1 : 0);
