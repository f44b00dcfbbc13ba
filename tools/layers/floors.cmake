# The floors of the program's folders, from the bottom up: a folder includes and links only
# folders on floors below its own. Read by checklayers.cmake (the includes) and by the build
# (the libraries' links).
set(VELANTRA_FLOORS
    "i18n" # the marker of translatable texts and the language of a run
    # the device table; files in and out; the sheets' tables and the artwork
    "devices files resources"
    "ui"             # the layout table and its builder, shapes, pictures, the look
    "cli dip sheets" # the command line's parser; the configurators; the data sheets
    "power"          # the power windows (they read numbers as the configurators do)
    "cards levers"   # setting cards and budget reports of the windows below; levers read back
    "plan"           # rig plans, whose rows make cards
    "app"            # the catalogue, the main window, the table of subcommands, main()
    "bench fuzz tests tools web")

