#ifndef KOLVO_UI_MAIN_MENU_H
#define KOLVO_UI_MAIN_MENU_H

// Shows the main menu until the user chooses; returns one of the MENU_ results of app/program.h.
int RunMainMenu();

#endif
