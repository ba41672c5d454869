; an output place where no file can be made: nothing is left anywhere
        .data
        .long 1
