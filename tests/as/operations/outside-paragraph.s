; operations that no paragraph holds
        getl 0
        .text
p:
        getl 1
        complete
        complete
        getl 2
        .data
        getl 3
