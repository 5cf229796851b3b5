# fish completion for varnholt-cli

set -l commands scan clean large measure restore forecast grew

complete -c varnholt-cli -f

# The command comes first; --help and --version stand alone.
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -a scan -d 'Measure every cleanup category'
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -a clean -d 'Scan afresh, then clean the categories given'
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -a large -d 'List large files in the home folder'
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -a measure -d 'Size on disk, file count and newest change of a path'
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -a restore -d 'Put back what a cleanup moved to the trash'
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -a forecast -d 'When the disk is full at the present rate'
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -a grew -d 'The folders that grew or shrank most'
complete -c varnholt-cli -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the version'
complete -c varnholt-cli -s h -l help -d 'Print the usage'

# Options of each command.
complete -c varnholt-cli -n "__fish_seen_subcommand_from $commands" -l json -d 'Print JSON instead of a table'
complete -c varnholt-cli -n '__fish_seen_subcommand_from scan clean large' -l exclude -x -a '(__fish_complete_directories)' -d 'Leave out folders and files matching a pattern'
complete -c varnholt-cli -n '__fish_seen_subcommand_from clean' -l category -x -d 'A category to clean' -a "
    temp\t'Temporary files'
    appcache\t'App caches'
    browser\t'Browser caches'
    logs\t'Logs and crash reports'
    thumbs\t'Thumbnail cache'
    update\t'Package cache (needs administrator rights)'
    dev\t'Developer caches'
    trash\t'The trash'"
complete -c varnholt-cli -n '__fish_seen_subcommand_from clean' -l skip-item -r -F -d 'Keep this item of a cleaned category'
complete -c varnholt-cli -n '__fish_seen_subcommand_from clean; and not __fish_seen_argument -l delete -l trash' -l delete -d 'Delete permanently'
complete -c varnholt-cli -n '__fish_seen_subcommand_from clean; and not __fish_seen_argument -l delete -l trash' -l trash -d 'Move to the trash'
complete -c varnholt-cli -n '__fish_seen_subcommand_from clean' -l yes -d 'Confirm that clean may remove files'
complete -c varnholt-cli -n '__fish_seen_subcommand_from clean' -l preview -d 'List what clean would remove, remove nothing'
complete -c varnholt-cli -n '__fish_seen_subcommand_from large' -l threshold-mb -x -d 'Smallest size of a large file, in MB'
complete -c varnholt-cli -n '__fish_seen_subcommand_from measure' -F -d 'Path to measure'
complete -c varnholt-cli -n '__fish_seen_subcommand_from restore' -F -d 'Cleanup log'
complete -c varnholt-cli -n '__fish_seen_subcommand_from grew' -l since -x -a '12h 7d 2w' -d 'Compare with the reading nearest to this age'
complete -c varnholt-cli -n '__fish_seen_subcommand_from grew' -l record -d 'Take a reading of the folder sizes now'
